// One editor per user. The first editor holds a lock and, once its main window
// exists, listens on a per-user local socket; a second start finds the lock,
// hands its file (or nothing) over the socket and ends.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/instance/InstancePaths.h"

class wxSingleInstanceChecker;

namespace quor {

class InstanceServer;

class SingleInstance {
 public:
  // What a running editor does with a request: an empty path only asks it to
  // come forward.
  using RequestHandler = std::function<void(const std::string& path)>;

  // Takes the lock in the given directory, or finds that another process holds it.
  explicit SingleInstance(InstancePaths paths);
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  bool IsAnotherRunning() const;

  // Second start: asks the running editor to come forward and, when a path is
  // given, to open it. False when no running editor answers.
  bool ActivateRunningInstance(const std::string& path) const;

  // First start: answers later starts. The handler runs on the user-interface
  // thread from the event loop, never inside the socket's own callback.
  bool Listen(RequestHandler handler);

 private:
  InstancePaths m_paths;
  std::unique_ptr<wxSingleInstanceChecker> m_checker;
  std::unique_ptr<InstanceServer> m_server;
};

}  // namespace quor
