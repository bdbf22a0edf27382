// A fresh, empty directory of our own under the system's temporary directory,
// removed with everything in it when the object goes.
#pragma once

#include <filesystem>
#include <string>

namespace quor {

class TemporaryDirectory {
 public:
  // The name starts with the prefix; Path() is empty when no directory could be made.
  explicit TemporaryDirectory(const std::string& prefix);
  ~TemporaryDirectory();
  TemporaryDirectory(const TemporaryDirectory&) = delete;
  TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

  const std::filesystem::path& Path() const { return m_path; }

 private:
  std::filesystem::path m_path;
};

}  // namespace quor
