// The Layer Properties dialog, also New Layer: the layer's name, flags,
// relative permittivity and height in a length unit the user may change.
#pragma once

#include <wx/dialog.h>

#include "editor/document/DocumentDialogs.h"

class wxCheckBox;
class wxChoice;
class wxTextCtrl;

namespace quor {

class MessageBoxes;

class CDlgLayerProperties : public wxDialog {
 public:
  CDlgLayerProperties(wxWindow* parent, const LayerDialogValues& values, MessageBoxes& messages);

  const LayerDialogValues& Values() const { return m_values; }

  bool TransferDataFromWindow() override;

 private:
  LayerDialogValues m_values;
  MessageBoxes& m_messages;
  wxTextCtrl* m_er = nullptr;
  wxTextCtrl* m_height = nullptr;
  wxChoice* m_unit = nullptr;
  wxTextCtrl* m_name = nullptr;
  wxCheckBox* m_visible = nullptr;
  wxCheckBox* m_locked = nullptr;
};

}  // namespace quor
