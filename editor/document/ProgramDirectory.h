// The directory of the running editor, where its companion programs and
// templates lie.
#pragma once

#include <string>

namespace quor {

// The directory with a trailing '/', or an empty string when the program's
// own path cannot be had.
std::string GetProgramDirectory();

}  // namespace quor
