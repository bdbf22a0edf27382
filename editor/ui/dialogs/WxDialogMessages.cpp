#include "editor/ui/dialogs/WxDialogMessages.h"

#include <wx/app.h>
#include <wx/msgdlg.h>

#include "editor/document/MessageBoxes.h"

namespace quor {

void WxDialogMessages::ShowMessage(const std::string& text) {
  m_messages.ShowMessage(text);
}

bool WxDialogMessages::AskYesNo(const std::string& text) {
  const wxString caption = wxTheApp != nullptr ? wxTheApp->GetAppDisplayName() : wxString();
  return wxMessageBox(wxString::FromUTF8(text), caption, wxYES_NO | wxICON_QUESTION) == wxYES;
}

}  // namespace quor
