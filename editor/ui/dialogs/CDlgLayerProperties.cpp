#include "editor/ui/dialogs/CDlgLayerProperties.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

#include "editor/model/LengthUnits.h"
#include "editor/ui/dialogs/DialogLayout.h"
#include "editor/ui/dialogs/EditExchange.h"
#include "editor/ui/dialogs/LayerPropertiesValues.h"

namespace quor {

using namespace layer_dialog;

namespace {

wxChoice* CreateUnitChoice(wxWindow* parent, int unitIndex) {
  auto* choice = new wxChoice(parent, kUnitCombo);
  for (int unit = 0; unit < kLengthUnitCount; ++unit) choice->Append(LengthUnitName(unit));
  choice->SetSelection(IsValidLengthUnit(unitIndex) ? unitIndex : wxNOT_FOUND);
  return choice;
}

wxCheckBox* CreateCheck(wxWindow* parent, int id, const wxString& label, bool value) {
  auto* check = new wxCheckBox(parent, id, label);
  check->SetValue(value);
  return check;
}

}  // namespace

CDlgLayerProperties::CDlgLayerProperties(wxWindow* parent, const LayerDialogValues& values,
                                         MessageBoxes& messages)
    : wxDialog(parent, wxID_ANY, values.newLayer ? "New Layer" : "Layer Properties"),
      m_values(values),
      m_messages(messages) {
  wxFlexGridSizer* dielectric = CreateFieldGrid();
  m_er = AddEditRow(this, *dielectric, "&Er", kErEdit);
  m_unit = CreateUnitChoice(this, m_values.unitIndex);
  m_height = AddEditRow(this, *dielectric, "&Upper surface", kHeightEdit, *m_unit);
  // The unit was made first to sit beside the height; Tab still goes Er, height, unit.
  m_unit->MoveAfterInTabOrder(m_height);

  wxFlexGridSizer* layer = CreateFieldGrid();
  m_name = AddEditRow(this, *layer, "&Name", kNameEdit);
  m_name->ChangeValue(wxString::FromUTF8(m_values.name));
  auto* flags = new wxBoxSizer(wxHORIZONTAL);
  m_visible = CreateCheck(this, kVisibleCheck, "&Visible", m_values.visible);
  m_locked = CreateCheck(this, kLockedCheck, "&Locked", m_values.locked);
  flags->Add(m_visible, 0, wxRIGHT, 10);
  flags->Add(m_locked);
  auto* layerColumn = new wxBoxSizer(wxVERTICAL);
  layerColumn->Add(layer, 0, wxEXPAND);
  layerColumn->Add(flags, 0, wxTOP, 5);

  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(Group(this, "Dielectric", dielectric), 0, wxEXPAND | wxALL, 10);
  top->Add(Group(this, "Layer", layerColumn), 0, wxEXPAND | wxLEFT | wxRIGHT, 10);
  top->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 10);
  SetSizerAndFit(top);

  const LayerDialogTexts texts = ShowLayerValues(m_values);
  ShowEdit(*m_er, texts.er);
  ShowEdit(*m_height, texts.height);
  if (IsBottomLayer(m_values)) {
    m_er->Disable();
    m_height->Disable();
    m_unit->Disable();
  }
  (m_er->IsEnabled() ? m_er : m_name)->SetFocus();
}

bool CDlgLayerProperties::TransferDataFromWindow() {
  m_values.unitIndex = m_unit->GetSelection();
  m_values.name = std::string(m_name->GetValue().utf8_str());
  m_values.visible = m_visible->GetValue();
  m_values.locked = m_locked->GetValue();
  if (const auto failure = AcceptLayerValues(m_values, {ReadEdit(*m_height), ReadEdit(*m_er)})) {
    ReportFailure(*this, m_messages, *failure);
    return false;
  }
  return true;
}

}  // namespace quor
