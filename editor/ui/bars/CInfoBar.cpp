#include "editor/ui/bars/CInfoBar.h"

#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "editor/ui/bars/LayerComboBox.h"

namespace quor {

namespace {

constexpr int kEditX = 1004;
constexpr int kEditY = 1005;
constexpr int kLayerList = 1073;

wxTextCtrl* CoordinateField(wxWindow* parent, int id) {
  auto* field = new wxTextCtrl(parent, id, wxEmptyString, wxDefaultPosition,
                               parent->ConvertDialogToPixels(wxSize(40, -1)), wxTE_READONLY | wxTE_RIGHT);
  field->Disable();
  return field;
}

}  // namespace

CInfoBar::CInfoBar(wxWindow* parent) : wxPanel(parent, wxID_ANY) {
  SetName("Info");
  m_x = CoordinateField(this, kEditX);
  m_y = CoordinateField(this, kEditY);
  // Each entry is as high as the coordinate fields' client area.
  m_layerList = new LayerComboBox(
      this, kLayerList, [this](const CLayer& layer) { return m_logic.ItemText(layer); },
      m_x->GetClientSize().GetHeight());
  m_layerList->SetMinSize(ConvertDialogToPixels(wxSize(110, -1)));
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  const auto label = [this, row](const char* text) {
    row->Add(new wxStaticText(this, wxID_ANY, text), 0, wxALIGN_CENTER_VERTICAL | wxLEFT | wxRIGHT, 4);
  };
  label("x");
  row->Add(m_x, 0, wxALIGN_CENTER_VERTICAL);
  label("y");
  row->Add(m_y, 0, wxALIGN_CENTER_VERTICAL);
  label("Layer");
  row->Add(m_layerList, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 2);
  SetSizerAndFit(row);
  m_layerList->Bind(wxEVT_COMBOBOX, &CInfoBar::OnSelChangeLayer, this);
}

void CInfoBar::OnHint(const Hint& hint) {
  m_logic.OnHint(hint);
}

int CInfoBar::AddEntry(const std::string& text, CLayer* layer) {
  return m_layerList->AddLayer(text, layer);
}

void CInfoBar::SetSelection(int index) {
  m_layerList->SetSelection(index);
}

void CInfoBar::SetCoordinateTexts(const std::string& x, const std::string& y) {
  m_x->ChangeValue(x);
  m_y->ChangeValue(y);
}

void CInfoBar::ResetContent() {
  m_layerList->Clear();
  // The box would go on showing the text of the entry it had selected.
  m_layerList->SetValue(wxEmptyString);
}

void CInfoBar::RedrawList() {
  m_layerList->Refresh();
  m_layerList->Update();
}

void CInfoBar::OnSelChangeLayer(wxCommandEvent& event) {
  m_logic.OnSelChangeLayer(m_layerList->LayerAt(event.GetSelection()));
}

}  // namespace quor
