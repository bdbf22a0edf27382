#include "platform/process/ChildProcess.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <thread>

extern char** environ;

namespace quor {

namespace {

// How often a bounded wait looks at the child again.
constexpr std::chrono::milliseconds kWaitStep{5};

// posix_spawn's file actions, released on every path.
class SpawnActions {
 public:
  SpawnActions() { m_ok = posix_spawn_file_actions_init(&m_actions) == 0; }
  ~SpawnActions() {
    if (m_ok) posix_spawn_file_actions_destroy(&m_actions);
  }
  SpawnActions(const SpawnActions&) = delete;
  SpawnActions& operator=(const SpawnActions&) = delete;

  bool ChangeDirectory(const std::string& directory) {
    return m_ok && posix_spawn_file_actions_addchdir_np(&m_actions, directory.c_str()) == 0;
  }
  const posix_spawn_file_actions_t* Get() const { return &m_actions; }

 private:
  posix_spawn_file_actions_t m_actions{};
  bool m_ok = false;
};

}  // namespace

std::unique_ptr<ChildProcess> ChildProcess::Start(const std::string& program,
                                                  const std::vector<std::string>& arguments,
                                                  const std::string& workingDirectory) {
  SpawnActions actions;
  if (!actions.ChangeDirectory(workingDirectory)) return nullptr;
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  pid_t pid = 0;
  // glibc reports a program that cannot be executed here, not as an exit code.
  if (posix_spawn(&pid, program.c_str(), actions.Get(), nullptr, argv.data(), environ) != 0) return nullptr;
  return std::make_unique<ChildProcess>(Passkey{}, pid);
}

ChildProcess::~ChildProcess() {
  Terminate();
}

void ChildProcess::Reap(bool block) {
  if (!m_running) return;
  int status = 0;
  pid_t result = 0;
  do {
    result = waitpid(m_pid, &status, block ? 0 : WNOHANG);
  } while (result < 0 && errno == EINTR);
  // A child reaped elsewhere (ECHILD) has ended just the same.
  if (result != 0) m_running = false;
}

bool ChildProcess::IsRunning() {
  Reap(false);
  return m_running;
}

bool ChildProcess::WaitFor(std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (IsRunning()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(kWaitStep);
  }
  return true;
}

void ChildProcess::Terminate() {
  if (!IsRunning()) return;
  // Not yet reaped, so the id is still this child's.
  kill(m_pid, SIGKILL);
  Reap(true);
}

}  // namespace quor
