// Lazily opened append-only diagnostics file.
#include "solver/numeric/ErrorLogFile.h"

#include <utility>

namespace quor::numeric {

ErrorLogFile::ErrorLogFile(std::filesystem::path path) : m_path(std::move(path)) {}

void ErrorLogFile::Report(std::string_view message) {
  if (!m_file.is_open()) m_file.open(m_path, std::ios::app);
  m_file << message << '\n';
  m_file.flush();
}

}  // namespace quor::numeric
