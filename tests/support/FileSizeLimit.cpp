#include "support/FileSizeLimit.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace quor::test {

int RunWithFileSizeLimit(std::size_t limitBytes, const std::function<int()>& body, AtFileSizeLimit atLimit) {
  const pid_t pid = fork();
  if (pid < 0) return -1;
  if (pid == 0) {
    // Ignored, the signal turns into a write that fails with EFBIG.
    std::signal(SIGXFSZ, atLimit == AtFileSizeLimit::Killed ? SIG_DFL : SIG_IGN);
    // A killed child leaves no core file behind.
    const rlimit noCore{0, 0};
    if (setrlimit(RLIMIT_CORE, &noCore) != 0) _exit(125);
    const rlimit limit{limitBytes, limitBytes};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(125);
    _exit(body());
  }
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace quor::test
