#include "viewer/ViewerLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quor::viewer {

namespace {

// True when the path still names the file open on fd: the previous holder
// removes the file before it lets go, and a lock won on a removed file
// would let a later start create and lock a new one beside it.
bool StillNamesFile(int fd, const std::string& path) {
  struct stat open {};
  struct stat named {};
  if (fstat(fd, &open) != 0 || stat(path.c_str(), &named) != 0) return false;
  return open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

}  // namespace

std::unique_ptr<ViewerLock> ViewerLock::Acquire(const std::string& path) {
  for (;;) {
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return nullptr;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
      close(fd);
      return nullptr;
    }
    if (StillNamesFile(fd, path)) return std::unique_ptr<ViewerLock>(new ViewerLock(fd, path));
    close(fd);
  }
}

ViewerLock::~ViewerLock() {
  unlink(m_path.c_str());
  close(m_fd);
}

}  // namespace quor::viewer
