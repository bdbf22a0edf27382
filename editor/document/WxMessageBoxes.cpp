#include "editor/document/WxMessageBoxes.h"

#include <wx/msgdlg.h>

#include "editor/document/ProgramName.h"

namespace quor {

int WxMessageBoxes::Show(const std::string& text, long style) const {
  return wxMessageBox(wxString::FromUTF8(text), kProgramName, style, m_parent);
}

void WxMessageBoxes::ShowMessage(const std::string& text) {
  Show(text, wxOK);
}

void WxMessageBoxes::ShowInformation(const std::string& text) {
  Show(text, wxOK | wxICON_INFORMATION);
}

bool WxMessageBoxes::AskOkCancel(const std::string& text) {
  return Show(text, wxOK | wxCANCEL | wxICON_QUESTION) == wxOK;
}

bool WxMessageBoxes::AskYesNo(const std::string& text) {
  return Show(text, wxYES_NO | wxICON_QUESTION) == wxYES;
}

}  // namespace quor
