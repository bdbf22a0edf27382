#include "editor/document/WxMessageBoxes.h"

#include <wx/app.h>
#include <wx/msgdlg.h>

namespace quor {

void WxMessageBoxes::ShowMessage(const std::string& text) {
  wxMessageBox(wxString::FromUTF8(text), wxTheApp != nullptr ? wxTheApp->GetAppDisplayName() : wxString(),
               wxOK);
}

}  // namespace quor
