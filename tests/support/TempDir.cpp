#include "support/TempDir.h"

#include <stdexcept>

namespace quor::test {

TempDir::TempDir(const std::string& prefix) : m_directory(prefix) {
  if (m_directory.Path().empty()) throw std::runtime_error("no temporary folder for " + prefix);
}

}  // namespace quor::test
