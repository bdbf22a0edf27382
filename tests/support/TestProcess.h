// A program started by a test, with its own arguments and environment;
// killed when the test lets go of it while it still runs.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quor::test {

class TestProcess {
 public:
  struct Setup {
    // "NAME=value" entries that replace this process's own of the same name.
    std::vector<std::string> environment;
    // Empty: this process's own working directory.
    std::filesystem::path workingDirectory;
    // Empty: this process's own standard error.
    std::filesystem::path standardError;
  };

  // arguments[0] is the program's path; it is not searched for.
  TestProcess(const std::vector<std::string>& arguments, const Setup& setup);
  ~TestProcess();
  TestProcess(const TestProcess&) = delete;
  TestProcess& operator=(const TestProcess&) = delete;

  bool Started() const { return m_pid > 0; }
  // For a look at the running program in /proc.
  pid_t Pid() const { return m_pid; }
  bool Running();
  // Blocks until the program has ended; its exit status as ExitStatus().
  std::optional<int> Wait();
  // The exit status of a program that has ended; empty while it runs, when it
  // died from a signal or when it never started.
  std::optional<int> ExitStatus() const;
  // What it wrote to the standard error file so far.
  std::string StandardError() const;

 private:
  pid_t m_pid = -1;
  std::optional<int> m_status;  // the raw wait status once reaped
  std::filesystem::path m_standardError;
};

}  // namespace quor::test
