// The Editor page of the Settings sheet: the grid spacing and the footprint
// that new projects take without asking, shown in the length unit chosen on
// the Units page.
#pragma once

#include "editor/ui/dialogs/EditorPageValues.h"
#include "editor/ui/dialogs/SettingsPage.h"

class wxCheckBox;
class wxCommandEvent;
class wxTextCtrl;

namespace quor {

class CDlgEditor : public SettingsPage {
 public:
  CDlgEditor(wxWindow* parent, MessageBoxes& messages, const EditorPageValues& values);

  const EditorPageValues& Values() const { return m_values; }

  void OnSetActive() override;
  bool OnKillActive() override;

 private:
  void Show();
  void OnUseDefaultFootprint(wxCommandEvent& event);
  void EnableFootprint();

  EditorPageValues m_values;
  wxTextCtrl* m_spacing = nullptr;
  wxCheckBox* m_useDefaultFootprint = nullptr;
  wxTextCtrl* m_length = nullptr;
  wxTextCtrl* m_width = nullptr;
};

}  // namespace quor
