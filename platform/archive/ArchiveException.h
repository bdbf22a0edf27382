// The failure of an archive: why a project file or snapshot could not be read
// or written. The cause numbers are those stored projects and callers expect.
#pragma once

#include <stdexcept>
#include <string>

namespace quor {

class ArchiveException : public std::runtime_error {
 public:
  enum class Cause {
    Generic = 1,    // the file could not be opened, read or written
    EndOfFile = 3,  // the data ended before the record did
    BadIndex = 5,   // the data is not in a format this program reads
  };

  // The text names the file and then the reason, when they are given.
  explicit ArchiveException(Cause cause, const std::string& fileName = {}, const std::string& reason = {});
  ~ArchiveException() override;

  Cause GetCause() const { return m_cause; }
  // Empty when the failure is not tied to a named file.
  const std::string& GetFileName() const { return m_fileName; }

 private:
  Cause m_cause;
  std::string m_fileName;
};

}  // namespace quor
