// A fresh folder of the test's own under the temporary directory, removed with
// its content; tests that run at the same time never share one.
#pragma once

#include <filesystem>
#include <string>

#include "platform/paths/TemporaryDirectory.h"

namespace quor::test {

class TempDir {
 public:
  // Throws std::runtime_error when no folder can be made.
  explicit TempDir(const std::string& prefix = "quor-test-");

  const std::filesystem::path& Path() const { return m_directory.Path(); }

 private:
  TemporaryDirectory m_directory;
};

}  // namespace quor::test
