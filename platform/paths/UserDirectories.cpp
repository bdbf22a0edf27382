#include "platform/paths/UserDirectories.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace quor {

namespace {

constexpr const char* kApplication = "quor";

bool IsAbsolute(const char* path) {
  return path != nullptr && path[0] == '/';
}

std::filesystem::path AccountHome() {
  const long suggested = sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(suggested > 0 ? static_cast<std::size_t>(suggested) : 16384);
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr) return {};
  return IsAbsolute(found->pw_dir) ? std::filesystem::path(found->pw_dir) : std::filesystem::path();
}

// The XDG variable's directory, or the default below the home directory.
std::filesystem::path XdgDirectory(const char* variable, const char* homeRelative) {
  const char* value = std::getenv(variable);
  const std::filesystem::path base =
      IsAbsolute(value) ? std::filesystem::path(value) : HomeDirectory() / homeRelative;
  return base / kApplication;
}

bool IsPrivateDirectory(const std::filesystem::path& directory) {
  struct stat info {};
  if (lstat(directory.c_str(), &info) != 0) return false;
  return S_ISDIR(info.st_mode) && info.st_uid == getuid() && (info.st_mode & 077) == 0;
}

}  // namespace

std::filesystem::path HomeDirectory() {
  if (const char* home = std::getenv("HOME"); IsAbsolute(home)) return home;
  if (std::filesystem::path account = AccountHome(); !account.empty()) return account;
  return ".";
}

std::filesystem::path UserConfigDirectory() {
  return XdgDirectory("XDG_CONFIG_HOME", ".config");
}

std::filesystem::path UserStateDirectory() {
  return XdgDirectory("XDG_STATE_HOME", ".local/state");
}

std::filesystem::path UserRuntimeDirectory() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  std::filesystem::path directory =
      IsAbsolute(runtime) ? std::filesystem::path(runtime) / kApplication
                          : std::filesystem::path("/tmp") / ("quor-" + std::to_string(getuid()));
  mkdir(directory.c_str(), 0700);
  if (IsPrivateDirectory(directory)) return directory;
  directory = HomeDirectory() / ".quor-run";
  mkdir(directory.c_str(), 0700);
  return directory;
}

}  // namespace quor
