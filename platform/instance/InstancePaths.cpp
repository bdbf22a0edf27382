#include "platform/instance/InstancePaths.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace quor {

static std::filesystem::path RuntimeDirectory() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime != nullptr && runtime[0] == '/') return std::filesystem::path(runtime) / "quor";
  return std::filesystem::path("/tmp") / ("quor-" + std::to_string(getuid()));
}

// The socket accepts file names from whoever can reach it, so the directory
// must be ours alone; one that another user made in /tmp is not used.
static bool IsPrivateDirectory(const std::filesystem::path& directory) {
  struct stat info {};
  if (lstat(directory.c_str(), &info) != 0) return false;
  return S_ISDIR(info.st_mode) && info.st_uid == getuid() && (info.st_mode & 077) == 0;
}

InstancePaths DefaultInstancePaths() {
  InstancePaths paths;
  paths.directory = RuntimeDirectory();
  mkdir(paths.directory.c_str(), 0700);
  if (!IsPrivateDirectory(paths.directory)) {
    const char* home = std::getenv("HOME");
    paths.directory = std::filesystem::path(home != nullptr ? home : ".") / ".quor-run";
    mkdir(paths.directory.c_str(), 0700);
  }
  paths.lockFile = paths.directory / "quor.lock";
  paths.socket = paths.directory / "quor.sock";
  return paths;
}

std::string AbsoluteRequestPath(const std::string& path) {
  if (path.empty()) return path;
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return error ? path : absolute.lexically_normal().string();
}

}  // namespace quor
