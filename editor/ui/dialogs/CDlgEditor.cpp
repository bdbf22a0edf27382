#include "editor/ui/dialogs/CDlgEditor.h"

#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

#include "editor/model/LengthUnits.h"
#include "editor/ui/dialogs/DialogLayout.h"
#include "editor/ui/dialogs/EditExchange.h"

namespace quor {

using namespace editor_page;

CDlgEditor::CDlgEditor(wxWindow* parent, MessageBoxes& messages, const EditorPageValues& values)
    : SettingsPage(parent, messages), m_values(values) {
  wxFlexGridSizer* grid = CreateFieldGrid();
  m_spacing = AddEditRow(this, *grid, "&Spacing:", kSpacingEdit, kSpacingUnitLabel);

  auto* footprint = new wxBoxSizer(wxVERTICAL);
  m_useDefaultFootprint = new wxCheckBox(this, kUseDefaultFootprintCheck, "Use &default footprint");
  m_useDefaultFootprint->SetValue(m_values.useDefaultFootprint);
  footprint->Add(m_useDefaultFootprint, 0, wxBOTTOM, 5);
  wxFlexGridSizer* sizes = CreateFieldGrid();
  m_length = AddEditRow(this, *sizes, "Default &length:", kLengthEdit, kLengthUnitLabel);
  m_width = AddEditRow(this, *sizes, "Default &width:", kWidthEdit, kWidthUnitLabel);
  footprint->Add(sizes, 0, wxEXPAND);

  auto* page = new wxBoxSizer(wxVERTICAL);
  page->Add(Group(this, "Grid", grid), 0, wxEXPAND | wxALL, 10);
  page->Add(Group(this, "Footprint", footprint), 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 10);
  SetSizer(page);
  m_useDefaultFootprint->Bind(wxEVT_CHECKBOX, &CDlgEditor::OnUseDefaultFootprint, this);
  Show();
}

void CDlgEditor::OnSetActive() {
  m_values.lengthUnit = UnitFromAnswer(QuerySiblings(kQueryLengthUnit), m_values.lengthUnit);
  Show();
}

void CDlgEditor::Show() {
  const wxString unit = LengthUnitName(m_values.lengthUnit);
  SetUnitLabel(*this, kSpacingUnitLabel, unit);
  SetUnitLabel(*this, kLengthUnitLabel, unit);
  SetUnitLabel(*this, kWidthUnitLabel, unit);
  const EditorPageTexts texts = ShowEditor(m_values);
  ShowEdit(*m_spacing, texts.spacing);
  ShowEdit(*m_length, texts.length);
  ShowEdit(*m_width, texts.width);
  EnableFootprint();
}

void CDlgEditor::OnUseDefaultFootprint(wxCommandEvent&) {
  m_values.useDefaultFootprint = m_useDefaultFootprint->GetValue();
  EnableFootprint();
}

void CDlgEditor::EnableFootprint() {
  m_length->Enable(m_values.useDefaultFootprint);
  m_width->Enable(m_values.useDefaultFootprint);
}

bool CDlgEditor::OnKillActive() {
  m_values.useDefaultFootprint = m_useDefaultFootprint->GetValue();
  EditorPageTexts texts{ReadEdit(*m_spacing), ReadEdit(*m_length), ReadEdit(*m_width)};
  const std::optional<CheckFailure> failure = LeaveEditorPage(m_values, texts);
  KeepModifyFlag(*m_spacing, texts.spacing);
  KeepModifyFlag(*m_length, texts.length);
  KeepModifyFlag(*m_width, texts.width);
  return Passed(failure);
}

}  // namespace quor
