// The Frequencies page of the Settings sheet: start, stop and number of steps
// of the sweep, shown in the frequency unit chosen on the Units page.
#pragma once

#include "editor/ui/dialogs/FrequenciesPageValues.h"
#include "editor/ui/dialogs/SettingsPage.h"

class wxTextCtrl;

namespace quor {

class CDlgFrequencies : public SettingsPage {
 public:
  CDlgFrequencies(wxWindow* parent, MessageBoxes& messages, const FrequenciesPageValues& values);

  const FrequenciesPageValues& Values() const { return m_values; }

  void OnSetActive() override;
  bool OnKillActive() override;

 private:
  void Show();

  FrequenciesPageValues m_values;
  wxTextCtrl* m_start = nullptr;
  wxTextCtrl* m_stop = nullptr;
  wxTextCtrl* m_steps = nullptr;
};

}  // namespace quor
