#include "editor/ui/dialogs/CDlgVia.h"

#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

#include "editor/model/CStructure.h"
#include "editor/ui/bars/LayerComboBox.h"
#include "editor/ui/dialogs/DialogLayout.h"
#include "editor/ui/dialogs/EditExchange.h"
#include "editor/ui/dialogs/LayerComboText.h"
#include "editor/ui/dialogs/NewViaDefaults.h"
#include "editor/ui/dialogs/ViaValues.h"

namespace quor {

using namespace via_dialog;

namespace {

// Room for a layer's name, height and unit beside its swatch.
constexpr int kLayerListWidth = 200;

CLayer* SelectedLayer(const LayerComboBox& combo) {
  return combo.LayerAt(combo.GetSelection());
}

}  // namespace

CDlgVia::CDlgVia(wxWindow* parent, const ViaDialogValues& values, MessageBoxes& messages,
                 NewViaDefaults& defaults)
    : wxDialog(parent, wxID_ANY, "Via"), m_values(values), m_messages(messages), m_defaults(defaults) {
  if (m_values.newVia) StartFromDefaults(m_defaults, m_values);

  wxFlexGridSizer* grid = CreateFieldGrid();
  m_x = AddEditRow(this, *grid, "&X:", kXEdit, kXUnitLabel);
  m_y = AddEditRow(this, *grid, "&Y:", kYEdit, kYUnitLabel);
  m_radius = AddEditRow(this, *grid, "&Radius:", kRadiusEdit, kRadiusUnitLabel);
  // The lists' items are as high as the edits' text area.
  const int itemHeight = m_x->GetClientSize().GetHeight();
  m_topLayer = CreateLayerCombo(kTopLayerCombo, m_values.top, itemHeight);
  AddControlRow(this, *grid, "&Top layer:", m_topLayer);
  m_bottomLayer = CreateLayerCombo(kBottomLayerCombo, m_values.bottom, itemHeight);
  AddControlRow(this, *grid, "&Bottom layer:", m_bottomLayer);
  m_solid = new wxCheckBox(this, kSolidCheck, "&Solid");
  m_solid->SetValue(m_values.solid);
  grid->AddSpacer(0);
  grid->Add(m_solid);
  grid->AddSpacer(0);

  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(Group(this, "Via", grid), 0, wxEXPAND | wxALL, 10);
  top->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 10);
  SetSizerAndFit(top);

  const wxString unit = wxString::FromUTF8(m_values.unitName);
  for (const int label : {kXUnitLabel, kYUnitLabel, kRadiusUnitLabel}) SetUnitLabel(*this, label, unit);
  const ViaDialogTexts texts = ShowViaValues(m_values);
  ShowEdit(*m_x, texts.x);
  ShowEdit(*m_y, texts.y);
  ShowEdit(*m_radius, texts.radius);
  m_x->SetFocus();
}

LayerComboBox* CDlgVia::CreateLayerCombo(int id, const CLayer* layer, int itemHeight) {
  auto itemText = [unit = m_values.unitName](const CLayer& item) { return LayerComboText(item, unit); };
  auto* combo = new LayerComboBox(this, id, itemText, itemHeight);
  combo->SetMinSize(wxSize(FromDIP(kLayerListWidth), -1));
  if (m_values.structure != nullptr) combo->FillFrom(*m_values.structure, layer ? layer->GetZ() : 0.0);
  return combo;
}

bool CDlgVia::TransferDataFromWindow() {
  m_values.solid = m_solid->GetValue();
  m_values.top = SelectedLayer(*m_topLayer);
  m_values.bottom = SelectedLayer(*m_bottomLayer);
  ViaDialogTexts texts{ReadEdit(*m_x), ReadEdit(*m_y), ReadEdit(*m_radius)};
  const std::optional<CheckFailure> failure = AcceptViaValues(m_values, texts);
  KeepModifyFlag(*m_x, texts.x);
  KeepModifyFlag(*m_y, texts.y);
  if (failure) {
    ReportFailure(*this, m_messages, *failure);
    return false;
  }
  if (m_values.newVia) RememberDefaults(m_defaults, m_values);
  return true;
}

}  // namespace quor
