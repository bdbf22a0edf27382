// A private copy of the batch runner in a temporary folder, so that a test
// decides what lies beside the program (the library, the log) and where the
// per-user state directory is.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "support/TempDir.h"
#include "support/TestFiles.h"

class BatchRunSandbox {
 public:
  BatchRunSandbox();
  ~BatchRunSandbox();
  BatchRunSandbox(const BatchRunSandbox&) = delete;
  BatchRunSandbox& operator=(const BatchRunSandbox&) = delete;

  const std::filesystem::path& ProgramDirectory() const { return m_program; }
  const std::filesystem::path& DataDirectory() const { return m_data; }
  const std::filesystem::path& StateDirectory() const { return m_state; }

  // Puts this file beside the program as libTessmor.so.
  void InstallLibrary(const std::filesystem::path& library) const;
  std::filesystem::path WriteFile(const std::filesystem::path& path, const std::string& content) const {
    quor::test::WriteFile(path, content);
    return path;
  }
  // Takes away the right to write beside the program from the user the
  // program runs as (see Run).
  void MakeProgramDirectoryReadOnly() const;

  // Runs the copy with these arguments in the data folder and answers its
  // exit status (-1 when it did not exit normally). HOME and XDG_STATE_HOME
  // point into the sandbox. With unprivileged, a program started by root
  // runs as "nobody", for whom permissions hold.
  int Run(const std::vector<std::string>& arguments, bool unprivileged = false) const;

  // The content of kernel.log in this folder, or nothing without one.
  static std::optional<std::string> ReadLog(const std::filesystem::path& directory) {
    return quor::test::ReadFileIfExists(directory / "kernel.log");
  }

 private:
  quor::test::TempDir m_root{"batchrun-test-"};
  std::filesystem::path m_program;
  std::filesystem::path m_data;
  std::filesystem::path m_state;
  std::filesystem::path m_home;
};
