// A program this process started, owned until it has ended. The object reaps
// its child itself, so the process id cannot pass to another process while
// the object lives, and a terminate never hits a stranger; destroying the
// object ends a child that still runs.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace quor {

class ChildProcess {
  // Only Start makes children.
  struct Passkey {
    explicit Passkey() = default;
  };

 public:
  // Starts the program at `program` (a path, not searched for) with the
  // arguments after its own name, in `workingDirectory`, with this process's
  // environment. Null when the program cannot be started.
  static std::unique_ptr<ChildProcess> Start(const std::string& program,
                                             const std::vector<std::string>& arguments,
                                             const std::string& workingDirectory);

  ChildProcess(Passkey, pid_t pid) : m_pid(pid) {}
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  ~ChildProcess();

  bool IsRunning();
  // True when the child has ended, at the latest when the limit has passed.
  bool WaitFor(std::chrono::milliseconds limit);
  // Ends the child at once (it gets no chance to save anything) and reaps it;
  // nothing happens when it has ended already.
  void Terminate();

 private:
  // Collects the child's exit status when it has one, waiting for it if asked.
  void Reap(bool block);

  pid_t m_pid;
  bool m_running = true;
};

}  // namespace quor
