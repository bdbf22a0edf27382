#include "editor/ui/dialogs/CDlgFrequencies.h"

#include <wx/sizer.h>
#include <wx/textctrl.h>

#include "editor/ui/dialogs/DialogLayout.h"
#include "editor/ui/dialogs/EditExchange.h"
#include "editor/ui/dialogs/FrequencyUnitName.h"

namespace quor {

using namespace frequencies_page;

CDlgFrequencies::CDlgFrequencies(wxWindow* parent, MessageBoxes& messages,
                                 const FrequenciesPageValues& values)
    : SettingsPage(parent, messages), m_values(values) {
  wxFlexGridSizer* grid = CreateFieldGrid();
  m_start = AddEditRow(this, *grid, "&Start frequency:", kStartEdit, kStartUnitLabel);
  m_stop = AddEditRow(this, *grid, "S&top frequency:", kStopEdit, kStopUnitLabel);
  m_steps = AddEditRow(this, *grid, "&Number of frequency steps:", kStepsEdit);
  auto* page = new wxBoxSizer(wxVERTICAL);
  page->Add(grid, 0, wxEXPAND | wxALL, 10);
  SetSizer(page);
  Show();
}

void CDlgFrequencies::Show() {
  const FrequenciesPageTexts texts = ShowFrequencies(m_values);
  ShowEdit(*m_start, texts.start);
  ShowEdit(*m_stop, texts.stop);
  ShowEdit(*m_steps, texts.steps);
  const wxString unit = FrequencyUnitName(m_values.frequencyUnit);
  SetUnitLabel(*this, kStartUnitLabel, unit);
  SetUnitLabel(*this, kStopUnitLabel, unit);
}

void CDlgFrequencies::OnSetActive() {
  ChangeFrequencyUnit(m_values, UnitFromAnswer(QuerySiblings(kQueryFrequencyUnit), m_values.frequencyUnit));
  Show();
}

bool CDlgFrequencies::OnKillActive() {
  return Passed(LeaveFrequenciesPage(m_values, {ReadEdit(*m_start), ReadEdit(*m_stop), ReadEdit(*m_steps)}));
}

}  // namespace quor
