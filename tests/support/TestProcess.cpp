#include "support/TestProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <string_view>

#include "support/TestFiles.h"

extern char** environ;

namespace quor::test {

namespace {

std::string_view NameOf(std::string_view entry) {
  return entry.substr(0, entry.find('='));
}

bool IsReplaced(std::string_view entry, const std::vector<std::string>& replacements) {
  for (const std::string& replacement : replacements) {
    if (NameOf(replacement) == NameOf(entry)) return true;
  }
  return false;
}

// This process's environment with the replacements in place of their names.
std::vector<std::string> Environment(const std::vector<std::string>& replacements) {
  std::vector<std::string> environment;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    if (!IsReplaced(*entry, replacements)) environment.emplace_back(*entry);
  }
  environment.insert(environment.end(), replacements.begin(), replacements.end());
  return environment;
}

std::vector<char*> PointersTo(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

}  // namespace

TestProcess::TestProcess(const std::vector<std::string>& arguments, const Setup& setup)
    : m_standardError(setup.standardError) {
  std::vector<std::string> args = arguments;
  std::vector<std::string> env = Environment(setup.environment);
  std::vector<char*> argv = PointersTo(args);
  std::vector<char*> envp = PointersTo(env);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (!setup.workingDirectory.empty()) {
    posix_spawn_file_actions_addchdir_np(&actions, setup.workingDirectory.c_str());
  }
  if (!m_standardError.empty()) {
    posix_spawn_file_actions_addopen(&actions, 2, m_standardError.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
  }
  if (posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) m_pid = -1;
  posix_spawn_file_actions_destroy(&actions);
}

TestProcess::~TestProcess() {
  if (!Running()) return;
  kill(m_pid, SIGKILL);
  Wait();
}

bool TestProcess::Running() {
  if (!Started() || m_status) return false;
  int status = 0;
  if (waitpid(m_pid, &status, WNOHANG) != m_pid) return true;
  m_status = status;
  return false;
}

std::optional<int> TestProcess::Wait() {
  if (Started() && !m_status) {
    int status = 0;
    if (waitpid(m_pid, &status, 0) == m_pid) m_status = status;
  }
  return ExitStatus();
}

std::optional<int> TestProcess::ExitStatus() const {
  if (!m_status || !WIFEXITED(*m_status)) return std::nullopt;
  return WEXITSTATUS(*m_status);
}

std::string TestProcess::StandardError() const {
  return ReadFileIfExists(m_standardError).value_or("");
}

}  // namespace quor::test
