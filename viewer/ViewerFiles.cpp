#include "viewer/ViewerFiles.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace quor::viewer {

namespace {

std::filesystem::path FromEnvironment(const char* name, const std::filesystem::path& otherwise) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') return otherwise;
  return value;
}

std::filesystem::path ConfigFallback() {
  return FromEnvironment("XDG_CONFIG_HOME", FromEnvironment("HOME", ".") / ".config") / "quor";
}

// The lock lives as long as the program, so it belongs with the user's
// runtime files; without a runtime directory it stays in the user's own
// tree rather than in a directory other users can prepare.
std::filesystem::path RuntimeFallback() {
  const std::filesystem::path runtime = FromEnvironment("XDG_RUNTIME_DIR", {});
  return runtime.empty() ? ConfigFallback() : runtime / "quor";
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
