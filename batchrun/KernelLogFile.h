// "kernel.log": the batch runner's one report, a single text without a line end.
#pragma once

#include <filesystem>
#include <string_view>
#include <utility>

namespace quor {

class KernelLogFile {
 public:
  // The log beside the program, or in the per-user state directory when the
  // program directory cannot be written (a system-wide installation).
  static KernelLogFile ForProgram(const std::filesystem::path& programDirectory);

  explicit KernelLogFile(std::filesystem::path path) : m_path(std::move(path)) {}

  const std::filesystem::path& Path() const { return m_path; }

  void DeleteLog() const;
  // Creates or replaces the log with exactly this text.
  void WriteLog(std::string_view text) const;

 private:
  std::filesystem::path m_path;
};

}  // namespace quor
