// The running editor's end of the hand-over socket: accepts connections on
// the editor's topic and passes each request to the editor's handler.
#pragma once

#include <wx/ipc.h>

#include <functional>
#include <string>

namespace quor {

// The conversation name both ends agree on.
inline constexpr const char* kInstanceTopic = "QUOR Application";

class InstanceServer : public wxServer {
 public:
  using RequestHandler = std::function<void(const std::string& path)>;

  explicit InstanceServer(RequestHandler handler);

  wxConnectionBase* OnAcceptConnection(const wxString& topic) override;

 private:
  RequestHandler m_handler;
};

}  // namespace quor
