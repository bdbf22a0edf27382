// One viewer at a time: the lock file is held open with an exclusive lock
// for the life of the program and removed when it is released.
#pragma once

#include <memory>
#include <string>

namespace quor::viewer {

class ViewerLock {
 public:
  // Null when another process holds the lock or the file cannot be opened.
  static std::unique_ptr<ViewerLock> Acquire(const std::string& path);

  ViewerLock(const ViewerLock&) = delete;
  ViewerLock& operator=(const ViewerLock&) = delete;
  ~ViewerLock();

 private:
  ViewerLock(int fd, std::string path) : m_fd(fd), m_path(std::move(path)) {}

  int m_fd;
  std::string m_path;
};

}  // namespace quor::viewer
