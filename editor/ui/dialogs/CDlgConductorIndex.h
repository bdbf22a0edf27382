// The Conductor Index dialog: the index the selected polygons take, given as
// text (empty when their indices differ).
#pragma once

#include <wx/dialog.h>

#include <string>

class wxTextCtrl;

namespace quor {

class MessageBoxes;

class CDlgConductorIndex : public wxDialog {
 public:
  CDlgConductorIndex(wxWindow* parent, const std::string& text, MessageBoxes& messages);

  // The index read from the text when OK was accepted.
  int Index() const { return m_index; }

  bool TransferDataFromWindow() override;

 private:
  MessageBoxes& m_messages;
  wxTextCtrl* m_text = nullptr;
  int m_index = 0;
};

}  // namespace quor
