#include "viewer/ViewerMessage.h"

#include <wx/msgdlg.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace quor::viewer {

namespace {

bool MessagesToStandardError() {
  const char* value = std::getenv("QUORVIEW_MESSAGES");
  return value != nullptr && std::strcmp(value, "stderr") == 0;
}

}  // namespace

void ShowViewerMessage(const wxString& text, const wxString& title, long style) {
  if (MessagesToStandardError()) {
    std::fprintf(stderr, "%s: %s\n", title.utf8_str().data(), text.utf8_str().data());
    return;
  }
  wxMessageBox(text, title, style | wxOK);
}

}  // namespace quor::viewer
