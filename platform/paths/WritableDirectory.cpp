#include "platform/paths/WritableDirectory.h"

#include <unistd.h>

#include <system_error>

namespace quor {

namespace {

// Creating a file needs the right to search the directory as well as to write it.
bool IsWritableDirectory(const std::filesystem::path& directory) {
  return !directory.empty() && access(directory.c_str(), W_OK | X_OK) == 0;
}

}  // namespace

std::filesystem::path WritableDirectory(const std::filesystem::path& directory,
                                        const std::filesystem::path& fallback) {
  if (IsWritableDirectory(directory)) return directory;
  std::error_code error;  // a fallback that cannot be made shows up when its file is opened
  std::filesystem::create_directories(fallback, error);
  return fallback;
}

}  // namespace quor
