#include "platform/paths/ProgramDirectory.h"

#include <system_error>

namespace quor {

std::filesystem::path ProgramDirectory() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return {};
  return program.parent_path();
}

}  // namespace quor
