// The Metallization dialog: four push buttons laid out as the footprint's
// sides, each pressed while that side is metallized.
#pragma once

#include <wx/dialog.h>

#include "editor/document/DocumentDialogs.h"

class wxBitmapToggleButton;

namespace quor {

class CDlgMetallization : public wxDialog {
 public:
  CDlgMetallization(wxWindow* parent, const MetallizationDialogValues& values);

  // The sides as the buttons show them.
  MetallizationDialogValues Values() const;

 private:
  wxBitmapToggleButton* m_bottom = nullptr;
  wxBitmapToggleButton* m_right = nullptr;
  wxBitmapToggleButton* m_top = nullptr;
  wxBitmapToggleButton* m_left = nullptr;
};

}  // namespace quor
