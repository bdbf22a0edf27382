// The directory of the running program, where its companion programs, the
// computation library and the templates lie.
#pragma once

#include <filesystem>

namespace quor {

// With symbolic links resolved; empty when the program's own path cannot be
// read (no /proc), so that no caller mistakes another directory for it.
std::filesystem::path ProgramDirectory();

}  // namespace quor
