#include "platform/profile/ProfilePath.h"

#include "platform/paths/UserDirectories.h"

namespace quor {

std::filesystem::path DefaultProfilePath() {
  return UserConfigDirectory() / "quor.conf";
}

}  // namespace quor
