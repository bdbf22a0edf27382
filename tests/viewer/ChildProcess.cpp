#include "viewer/ChildProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include "support/TestFiles.h"
#include "support/WxTestPump.h"

extern char** environ;

namespace quor::viewer::test {

namespace {

std::vector<char*> Pointers(std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (std::string& s : strings) pointers.push_back(s.data());
  pointers.push_back(nullptr);
  return pointers;
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& arguments,
                           const std::vector<std::string>& environment,
                           const std::filesystem::path& standardError)
    : m_standardError(standardError) {
  std::vector<std::string> args = arguments;
  std::vector<std::string> env = environment;
  for (char** e = environ; *e != nullptr; ++e) env.emplace_back(*e);  // the first entry of a name wins
  std::vector<char*> argv = Pointers(args);
  std::vector<char*> envp = Pointers(env);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 2, m_standardError.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) m_pid = -1;
  posix_spawn_file_actions_destroy(&actions);
}

ChildProcess::~ChildProcess() {
  if (!Running()) return;
  kill(m_pid, SIGKILL);
  int status = 0;
  waitpid(m_pid, &status, 0);
}

bool ChildProcess::Running() {
  if (m_pid <= 0 || m_status) return false;
  int status = 0;
  if (waitpid(m_pid, &status, WNOHANG) != m_pid) return true;
  m_status = status;
  return false;
}

std::optional<int> ChildProcess::Wait(std::chrono::milliseconds limit) {
  quor::test::PumpUntil([this] { return !Running(); }, limit);
  if (!m_status || !WIFEXITED(*m_status)) return std::nullopt;
  return WEXITSTATUS(*m_status);
}

std::string ChildProcess::StandardError() const {
  return quor::test::ReadFileIfExists(m_standardError).value_or("");
}

}  // namespace quor::viewer::test
