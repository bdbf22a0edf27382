#include "platform/instance/InstanceServer.h"

#include <wx/app.h>

namespace quor {

namespace {

// One request per connection: the data of an Execute is the path to open.
// The base class deletes the connection when the second start hangs up.
class InstanceConnection : public wxConnection {
 public:
  explicit InstanceConnection(InstanceServer::RequestHandler handler) : m_handler(std::move(handler)) {}

  bool OnExecute(const wxString& topic, const void* data, size_t size, wxIPCFormat format) override {
    if (topic != kInstanceTopic) return false;
    const wxString text = GetTextFromData(data, size, format);
    std::string path(text.utf8_str());
    // Opening may show a modal message; keep it out of the socket callback.
    wxTheApp->CallAfter([handler = m_handler, path] { handler(path); });
    return true;
  }

 private:
  InstanceServer::RequestHandler m_handler;
};

}  // namespace

InstanceServer::InstanceServer(RequestHandler handler) : m_handler(std::move(handler)) {}

wxConnectionBase* InstanceServer::OnAcceptConnection(const wxString& topic) {
  if (topic != kInstanceTopic) return nullptr;
  return new InstanceConnection(m_handler);
}

}  // namespace quor
