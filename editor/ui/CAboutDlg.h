// The About box: the program's picture, its name and version, and OK.
#pragma once

#include <wx/dialog.h>

namespace quor {

class CAboutDlg : public wxDialog {
 public:
  explicit CAboutDlg(wxWindow* parent);
};

}  // namespace quor
