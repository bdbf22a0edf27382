#include "batchrun/KernelLogFile.h"

#include <fstream>
#include <system_error>

#include "platform/paths/UserDirectories.h"
#include "platform/paths/WritableDirectory.h"

namespace quor {

KernelLogFile KernelLogFile::ForProgram(const std::filesystem::path& programDirectory) {
  return KernelLogFile(WritableDirectory(programDirectory, UserStateDirectory()) / "kernel.log");
}

void KernelLogFile::DeleteLog() const {
  std::error_code ignored;
  std::filesystem::remove(m_path, ignored);
}

void KernelLogFile::WriteLog(std::string_view text) const {
  std::ofstream log(m_path, std::ios::binary | std::ios::trunc);
  log.write(text.data(), static_cast<std::streamsize>(text.size()));
  log.flush();
}

}  // namespace quor
