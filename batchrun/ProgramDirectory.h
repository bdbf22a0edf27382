// Where the running program file lies: the batch runner finds the computation
// library and its log beside itself.
#pragma once

#include <filesystem>

namespace quor {

// The directory of the running executable, with symbolic links resolved.
// Throws std::filesystem::filesystem_error when it cannot be read.
std::filesystem::path ProgramDirectory();

}  // namespace quor
