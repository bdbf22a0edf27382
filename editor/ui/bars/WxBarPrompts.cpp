#include "editor/ui/bars/WxBarPrompts.h"

#include <wx/msgdlg.h>

namespace quor {

namespace {
constexpr const char* kTitle = "QUOR";
}

bool WxBarPrompts::AskYesNo(const std::string& text) {
  return wxMessageBox(wxString::FromUTF8(text), kTitle, wxYES_NO | wxICON_QUESTION, m_parent) == wxYES;
}

void WxBarPrompts::ShowMessage(const std::string& text) {
  wxMessageBox(wxString::FromUTF8(text), kTitle, wxOK, m_parent);
}

}  // namespace quor
