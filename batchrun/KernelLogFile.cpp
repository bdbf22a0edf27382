#include "batchrun/KernelLogFile.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <system_error>

namespace quor {
namespace {

constexpr const char* kLogFileName = "kernel.log";
constexpr const char* kStateSubdirectory = "quor";

bool IsAbsolute(const char* path) {
  return path != nullptr && path[0] == '/';
}

bool IsWritableDirectory(const std::filesystem::path& directory) {
  return access(directory.c_str(), W_OK | X_OK) == 0;
}

}  // namespace

KernelLogFile KernelLogFile::ForProgram(const std::filesystem::path& programDirectory) {
  return KernelLogFile(ChooseDirectory(programDirectory, IsWritableDirectory(programDirectory),
                                       std::getenv("XDG_STATE_HOME"), std::getenv("HOME")) /
                       kLogFileName);
}

std::filesystem::path KernelLogFile::ChooseDirectory(const std::filesystem::path& programDirectory,
                                                     bool programDirectoryWritable, const char* xdgStateHome,
                                                     const char* home) {
  if (programDirectoryWritable) return programDirectory;
  if (IsAbsolute(xdgStateHome)) return std::filesystem::path(xdgStateHome) / kStateSubdirectory;
  if (IsAbsolute(home)) return std::filesystem::path(home) / ".local" / "state" / kStateSubdirectory;
  // Nowhere else to go: the write below fails and the run has no report.
  return programDirectory;
}

void KernelLogFile::DeleteLog() const {
  std::error_code ignored;
  std::filesystem::remove(m_path, ignored);
}

void KernelLogFile::WriteLog(std::string_view text) const {
  std::error_code ignored;
  std::filesystem::create_directories(m_path.parent_path(), ignored);
  std::ofstream log(m_path, std::ios::binary | std::ios::trunc);
  log.write(text.data(), static_cast<std::streamsize>(text.size()));
  log.flush();
}

}  // namespace quor
