// The Layer Properties dialog, also New Layer: the layer's name, flags,
// relative permittivity and height in a length unit the user may change.
#pragma once

#include <wx/dialog.h>

#include "editor/document/DocumentDialogs.h"

class wxCheckBox;
class wxChoice;
class wxTextCtrl;

namespace quor {

class DialogMessages;

class CDlgLayerProperties : public wxDialog {
 public:
  CDlgLayerProperties(wxWindow* parent, const LayerDialogValues& values, DialogMessages& messages);

  const LayerDialogValues& Values() const { return m_values; }

  bool TransferDataFromWindow() override;

 private:
  LayerDialogValues m_values;
  DialogMessages& m_messages;
  wxTextCtrl* m_er = nullptr;
  wxTextCtrl* m_height = nullptr;
  wxChoice* m_unit = nullptr;
  wxTextCtrl* m_name = nullptr;
  wxCheckBox* m_visible = nullptr;
  wxCheckBox* m_locked = nullptr;
};

}  // namespace quor
