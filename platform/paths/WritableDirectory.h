// The program directory of a system-wide installation cannot be written: the
// files a program keeps beside itself then go to a per-user place.
#pragma once

#include <filesystem>

namespace quor {

// The directory itself when this process may create files in it; otherwise
// the fallback, created when missing.
std::filesystem::path WritableDirectory(const std::filesystem::path& directory,
                                        const std::filesystem::path& fallback);

}  // namespace quor
