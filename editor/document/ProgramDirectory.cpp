#include "editor/document/ProgramDirectory.h"

#include <filesystem>
#include <system_error>

namespace quor {

std::string GetProgramDirectory() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return {};
  std::string directory = program.parent_path().string();
  if (directory.empty() || directory.back() != '/') directory += '/';
  return directory;
}

}  // namespace quor
