#include "batchrun/ProgramDirectory.h"

namespace quor {

std::filesystem::path ProgramDirectory() {
  return std::filesystem::read_symlink("/proc/self/exe").parent_path();
}

}  // namespace quor
