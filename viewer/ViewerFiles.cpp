#include "viewer/ViewerFiles.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

#include "platform/profile/ProfilePath.h"

namespace quor::viewer {

namespace {

// The editor's settings directory: the user's XDG configuration directory.
std::filesystem::path ConfigFallback() {
  return DefaultProfilePath().parent_path();
}

// The lock lives as long as the program, so it belongs with the user's
// runtime files; without a runtime directory it stays in the user's own
// tree rather than in a directory other users can prepare.
std::filesystem::path RuntimeFallback() {
  // The XDG rules ignore a relative setting.
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime == nullptr || runtime[0] != '/') return ConfigFallback();
  return std::filesystem::path(runtime) / "quor";
}

}  // namespace

std::filesystem::path ProgramDirectory() {
  std::error_code error;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return std::filesystem::current_path();
  return exe.parent_path();
}

std::filesystem::path WritableDirectory(const std::filesystem::path& directory,
                                        const std::filesystem::path& fallback) {
  if (access(directory.c_str(), W_OK) == 0) return directory;
  std::error_code error;  // a fallback that cannot be made shows up when its file is opened
  std::filesystem::create_directories(fallback, error);
  return fallback;
}

std::filesystem::path ViewerLockPath() {
  return WritableDirectory(ProgramDirectory(), RuntimeFallback()) / "QUORView.lck";
}

std::filesystem::path ViewerIniPath() {
  return WritableDirectory(ProgramDirectory(), ConfigFallback()) / "QUORView.ini";
}

}  // namespace quor::viewer
