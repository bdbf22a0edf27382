#include "editor/document/ProgramDirectory.h"

#include "platform/paths/ProgramDirectory.h"

namespace quor {

std::string GetProgramDirectory() {
  std::string directory = ProgramDirectory().string();
  if (!directory.empty() && directory.back() != '/') directory += '/';
  return directory;
}

}  // namespace quor
