#include "platform/instance/InstancePaths.h"

#include <system_error>

#include "platform/paths/UserDirectories.h"

namespace quor {

InstancePaths DefaultInstancePaths() {
  InstancePaths paths;
  // The socket accepts file names from whoever can reach it: the runtime
  // directory is ours alone.
  paths.directory = UserRuntimeDirectory();
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
