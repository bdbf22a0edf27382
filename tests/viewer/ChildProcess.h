// A program started by a test, its standard error kept in a file; killed
// when the test lets go of it while it still runs.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quor::viewer::test {

class ChildProcess {
 public:
  // environment: "NAME=value" entries added to this process's own.
  ChildProcess(const std::vector<std::string>& arguments, const std::vector<std::string>& environment,
               const std::filesystem::path& standardError);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool Started() const { return m_pid > 0; }
  bool Running();
  // The exit status once the program has ended within the limit (while wx
  // events are pumped); empty if it still runs or died from a signal.
  std::optional<int> Wait(std::chrono::milliseconds limit);
  std::string StandardError() const;

 private:
  pid_t m_pid = -1;
  std::optional<int> m_status;  // the raw wait status once reaped
  std::filesystem::path m_standardError;
};

}  // namespace quor::viewer::test
