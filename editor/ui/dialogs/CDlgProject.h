// The New Project and Project Properties dialog: the footprint's length and
// width in the display unit.
#pragma once

#include <wx/dialog.h>

#include "editor/document/DocumentDialogs.h"

class wxTextCtrl;

namespace quor {

class MessageBoxes;

class CDlgProject : public wxDialog {
 public:
  CDlgProject(wxWindow* parent, const ProjectDialogValues& values, MessageBoxes& messages);

  const ProjectDialogValues& Values() const { return m_values; }

  bool TransferDataFromWindow() override;

 private:
  ProjectDialogValues m_values;
  MessageBoxes& m_messages;
  wxTextCtrl* m_length = nullptr;
  wxTextCtrl* m_width = nullptr;
};

}  // namespace quor
