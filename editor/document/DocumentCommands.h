// The command ids the document handles or enables.
#pragma once

#include <wx/defs.h>

namespace quor {

// wx takes no menu or window ids from 0x7FFF on: a command of the original
// resources (32771 and up) has the wx id 20000 lower.
constexpr int WxCommandId(int resourceId) {
  return resourceId - 20000;
}

// The original resources' id of a command's wx id.
constexpr int ResourceCommandId(int wxId) {
  return wxId + 20000;
}

inline constexpr int kIdEditMetallization = WxCommandId(32843);
inline constexpr int kIdSettings = WxCommandId(32776);
inline constexpr int kIdCheck = WxCommandId(32844);
inline constexpr int kIdSegment = WxCommandId(32845);
inline constexpr int kIdRun = WxCommandId(32846);
inline constexpr int kIdAutoRun = WxCommandId(32910);
inline constexpr int kId3DView = WxCommandId(32887);
inline constexpr int kIdCParameters = WxCommandId(32890);
inline constexpr int kIdCkt = WxCommandId(32893);
inline constexpr int kIdYParameters = WxCommandId(32892);
inline constexpr int kIdListResults = WxCommandId(32912);
inline constexpr int kIdExport = WxCommandId(32897);
// Undo and Redo are wx's own.
inline constexpr int kIdUndo = wxID_UNDO;
inline constexpr int kIdRedo = wxID_REDO;

}  // namespace quor
