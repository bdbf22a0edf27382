// The Units page of the Settings sheet: the display length unit and the
// frequency unit, which the Frequencies and Editor pages ask for.
#pragma once

#include <array>

#include "editor/ui/dialogs/SettingsPage.h"
#include "editor/ui/dialogs/UnitsPageValues.h"

class wxRadioButton;

namespace quor {

class CDlgUnits : public SettingsPage {
 public:
  CDlgUnits(wxWindow* parent, MessageBoxes& messages, const UnitsPageValues& values);

  // The chosen units as the radio buttons show them.
  UnitsPageValues Values() const;

  bool OnKillActive() override { return true; }
  int OnQuerySiblings(int code) override;

 private:
  std::array<wxRadioButton*, 4> m_lengthButtons{};
  std::array<wxRadioButton*, 3> m_frequencyButtons{};
};

}  // namespace quor
