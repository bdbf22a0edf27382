#include "platform/profile/ProfilePath.h"

#include <cstdlib>

namespace quor {

namespace {

std::filesystem::path ConfigHome() {
  // The XDG rules ignore a relative setting.
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && xdg[0] == '/') return xdg;
  const char* home = std::getenv("HOME");
  return std::filesystem::path(home != nullptr && home[0] != '\0' ? home : ".") / ".config";
}

}  // namespace

std::filesystem::path DefaultProfilePath() {
  return ConfigHome() / "quor" / "quor.conf";
}

}  // namespace quor
