// The Via dialog, for a new via and for a via's properties: centre, radius,
// solid flag, and the top and bottom layers chosen from owner-drawn lists.
// A new via starts from the last one made through this dialog.
#pragma once

#include <wx/dialog.h>

#include "editor/document/DocumentDialogs.h"

class wxCheckBox;
class wxTextCtrl;

namespace quor {

class MessageBoxes;
class LayerComboBox;
struct NewViaDefaults;

class CDlgVia : public wxDialog {
 public:
  CDlgVia(wxWindow* parent, const ViaDialogValues& values, MessageBoxes& messages, NewViaDefaults& defaults);

  const ViaDialogValues& Values() const { return m_values; }

  bool TransferDataFromWindow() override;

 private:
  LayerComboBox* CreateLayerCombo(int id, const CLayer* layer, int itemHeight);

  ViaDialogValues m_values;
  MessageBoxes& m_messages;
  NewViaDefaults& m_defaults;
  wxTextCtrl* m_x = nullptr;
  wxTextCtrl* m_y = nullptr;
  wxTextCtrl* m_radius = nullptr;
  LayerComboBox* m_topLayer = nullptr;
  LayerComboBox* m_bottomLayer = nullptr;
  wxCheckBox* m_solid = nullptr;
};

}  // namespace quor
