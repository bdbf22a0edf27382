// The program's name: the main window's title and every message box's.
#pragma once

namespace quor {

inline constexpr const char* kProgramName = "QUOR";

}  // namespace quor
