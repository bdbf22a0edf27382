#include "editor/ui/dialogs/CDlgUnits.h"

#include <wx/radiobut.h>
#include <wx/sizer.h>

#include <span>

#include "editor/ui/dialogs/DialogLayout.h"

namespace quor {

namespace {

struct Choice {
  int id;
  const char* label;
};

// In the order of the unit indices.
constexpr Choice kLengthChoices[] = {{1009, "mm"}, {1032, "m"}, {1033, "inch"}, {1034, "mil"}};
constexpr Choice kFrequencyChoices[] = {{1037, "kHz"}, {1036, "MHz"}, {1035, "GHz"}};

template <std::size_t N>
wxSizer* RadioGroup(wxWindow* parent, const wxString& caption, std::span<const Choice, N> choices,
                    std::array<wxRadioButton*, N>& buttons, int selected) {
  auto* column = new wxBoxSizer(wxVERTICAL);
  for (std::size_t i = 0; i < N; ++i) {
    buttons[i] = new wxRadioButton(parent, choices[i].id, choices[i].label, wxDefaultPosition, wxDefaultSize,
                                   i == 0 ? wxRB_GROUP : 0);
    buttons[i]->SetValue(static_cast<int>(i) == selected);
    column->Add(buttons[i], 0, wxALL, 2);
  }
  return Group(parent, caption, column);
}

template <std::size_t N>
int SelectedIndex(const std::array<wxRadioButton*, N>& buttons) {
  for (std::size_t i = 0; i < N; ++i) {
    if (buttons[i]->GetValue()) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

CDlgUnits::CDlgUnits(wxWindow* parent, MessageBoxes& messages, const UnitsPageValues& values)
    : SettingsPage(parent, messages) {
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  row->Add(RadioGroup(this, "Coordinates", std::span(kLengthChoices), m_lengthButtons, values.lengthUnit), 1,
           wxEXPAND | wxALL, 5);
  row->Add(
      RadioGroup(this, "Frequencies", std::span(kFrequencyChoices), m_frequencyButtons, values.frequencyUnit),
      1, wxEXPAND | wxALL, 5);
  SetSizer(row);
}

UnitsPageValues CDlgUnits::Values() const {
  return {SelectedIndex(m_frequencyButtons), SelectedIndex(m_lengthButtons)};
}

int CDlgUnits::OnQuerySiblings(int code) {
  return AnswerUnitQuery(Values(), code);
}

}  // namespace quor
