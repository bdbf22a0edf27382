#include "viewer/ViewerFiles.h"

#include "platform/paths/ProgramDirectory.h"
#include "platform/paths/UserDirectories.h"
#include "platform/paths/WritableDirectory.h"

namespace quor::viewer {

std::filesystem::path ViewerLockPath() {
  // The lock lives as long as the program, so it belongs with the user's
  // runtime files.
  return WritableDirectory(ProgramDirectory(), UserRuntimeDirectory()) / "QUORView.lck";
}

std::filesystem::path ViewerIniPath() {
  return WritableDirectory(ProgramDirectory(), UserConfigDirectory()) / "QUORView.ini";
}

}  // namespace quor::viewer
