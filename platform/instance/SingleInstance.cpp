#include "platform/instance/SingleInstance.h"

#include <wx/log.h>
#include <wx/snglinst.h>

#include "platform/instance/InstanceServer.h"

namespace quor {

SingleInstance::SingleInstance(InstancePaths paths)
    : m_paths(std::move(paths)), m_checker(std::make_unique<wxSingleInstanceChecker>()) {
  m_checker->Create(m_paths.lockFile.filename().string(), m_paths.directory.string());
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::IsAnotherRunning() const {
  return m_checker->IsAnotherRunning();
}

bool SingleInstance::ActivateRunningInstance(const std::string& path) const {
  // A refused connection is the expected answer when no editor listens.
  wxLogNull quiet;
  wxClient client;
  std::unique_ptr<wxConnectionBase> connection(
      client.MakeConnection("localhost", m_paths.socket.string(), kInstanceTopic));
  if (!connection) return false;
  const bool sent = connection->Execute(wxString::FromUTF8(AbsoluteRequestPath(path)));
  connection->Disconnect();
  return sent;
}

bool SingleInstance::Listen(RequestHandler handler) {
  auto server = std::make_unique<InstanceServer>(std::move(handler));
  // An absolute name makes wx use a local socket; it replaces a stale one.
  if (!server->Create(m_paths.socket.string())) return false;
  m_server = std::move(server);
  return true;
}

}  // namespace quor
