// The command ids the document handles or enables.
#pragma once

namespace quor {

inline constexpr int kIdEditMetallization = 32843;
inline constexpr int kIdSettings = 32776;
inline constexpr int kIdCheck = 32844;
inline constexpr int kIdSegment = 32845;
inline constexpr int kIdRun = 32846;
inline constexpr int kIdAutoRun = 32910;
inline constexpr int kId3DView = 32887;
inline constexpr int kIdCParameters = 32890;
inline constexpr int kIdCkt = 32893;
inline constexpr int kIdYParameters = 32892;
inline constexpr int kIdListResults = 32912;
inline constexpr int kIdExport = 32897;
inline constexpr int kIdUndo = 57643;
inline constexpr int kIdRedo = 57644;

}  // namespace quor
