// The Output page of the Settings sheet: the result files that List Results
// opens.
#pragma once

#include "editor/ui/dialogs/OutputPageValues.h"
#include "editor/ui/dialogs/SettingsPage.h"

class wxCheckBox;

namespace quor {

class CDlgOutput : public SettingsPage {
 public:
  CDlgOutput(wxWindow* parent, MessageBoxes& messages, const OutputPageValues& values);

  OutputPageValues Values() const;

  bool OnKillActive() override;

 private:
  wxCheckBox* m_cParameters = nullptr;
  wxCheckBox* m_ckt = nullptr;
  wxCheckBox* m_yParameters = nullptr;
};

}  // namespace quor
