#include "platform/paths/TemporaryDirectory.h"

#include <stdlib.h>

#include <system_error>

namespace quor {

TemporaryDirectory::TemporaryDirectory(const std::string& prefix) {
  std::error_code error;
  const std::filesystem::path base = std::filesystem::temp_directory_path(error);
  if (error) return;
  // mkdtemp makes the directory with a name no one else has, readable only by us.
  std::string name = (base / (prefix + "XXXXXX")).string();
  if (mkdtemp(name.data()) != nullptr) m_path = name;
}

TemporaryDirectory::~TemporaryDirectory() {
  if (m_path.empty()) return;
  std::error_code ignored;
  std::filesystem::remove_all(m_path, ignored);
}

}  // namespace quor
