#include "editor/document/WxMessageBoxes.h"

#include <wx/app.h>
#include <wx/msgdlg.h>

namespace quor {

namespace {

int Show(const std::string& text, long style) {
  return wxMessageBox(wxString::FromUTF8(text),
                      wxTheApp != nullptr ? wxTheApp->GetAppDisplayName() : wxString(), style);
}

}  // namespace

void WxMessageBoxes::ShowMessage(const std::string& text) {
  Show(text, wxOK);
}

void WxMessageBoxes::ShowInformation(const std::string& text) {
  Show(text, wxOK | wxICON_INFORMATION);
}

bool WxMessageBoxes::AskOkCancel(const std::string& text) {
  return Show(text, wxOK | wxCANCEL | wxICON_QUESTION) == wxOK;
}

}  // namespace quor
