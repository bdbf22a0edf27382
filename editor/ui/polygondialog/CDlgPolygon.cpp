#include "editor/ui/polygondialog/CDlgPolygon.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/menu.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <utility>

#include "editor/document/MessageBoxes.h"
#include "editor/document/ProjectDocument.h"
#include "editor/grid/GridHost.h"
#include "editor/grid/GridMessages.h"
#include "editor/model/CLayer.h"
#include "editor/model/CStructure.h"
#include "editor/ui/bars/LayerComboBox.h"
#include "editor/ui/dialogs/ConductorIndexValue.h"
#include "editor/ui/dialogs/DialogNumbers.h"
#include "editor/ui/dialogs/LayerComboText.h"

namespace quor {

// clang-format off
wxBEGIN_EVENT_TABLE(CDlgPolygon, wxDialog)
  EVT_CHECKBOX(CDlgPolygon::kClosedCheck, CDlgPolygon::OnClosed)
  EVT_MENU(CDlgPolygon::kInsertBefore, CDlgPolygon::OnInsertBefore)
  EVT_MENU(CDlgPolygon::kDeleteNode, CDlgPolygon::OnDeleteNode)
  EVT_BUTTON(wxID_OK, CDlgPolygon::OnOK)
  EVT_BUTTON(wxID_CANCEL, CDlgPolygon::OnCancel)
  EVT_COMMAND(CDlgPolygon::kNodeGrid, QUOR_EVT_GRID_NOTIFY, CDlgPolygon::OnGridNotify)
wxEND_EVENT_TABLE()
    // clang-format on

    CDlgPolygon::CDlgPolygon(wxWindow* parent, ProjectDocument& document, CConductorPolygon& polygon,
                             double layerZ, bool newPolygon, PolygonDialogCore::ViewHooks view,
                             MessageBoxes& messages)
    : wxDialog(parent, wxID_ANY, "Polygon"), m_messages(messages), m_Document(document) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  auto* fields = new wxFlexGridSizer(2, 4, 8);
  fields->Add(new wxStaticText(this, wxID_ANY, "Conductor &index:"), 0, wxALIGN_CENTER_VERTICAL);
  m_indexEdit = new wxTextCtrl(this, kIndexEdit);
  fields->Add(m_indexEdit, 0, wxEXPAND);
  fields->Add(new wxStaticText(this, wxID_ANY, "&Layer:"), 0, wxALIGN_CENTER_VERTICAL);
  // Drawn as the Via dialog's lists, as high as the index edit's text area.
  m_LayerCombo = new LayerComboBox(
      this, kLayerCombo,
      [unit = document.GetUnitName()](const CLayer& layer) { return LayerComboText(layer, unit); },
      m_indexEdit->GetClientSize().GetHeight());
  fields->Add(m_LayerCombo, 0, wxEXPAND);
  top->Add(fields, 0, wxEXPAND | wxALL, 8);
  top->Add(new wxStaticText(this, wxID_ANY, "&Nodes:"), 0, wxLEFT | wxRIGHT, 8);
  m_Grid = new grid::GridHost(this, kNodeGrid, wxDefaultPosition, wxSize(300, 220));
  top->Add(m_Grid, 1, wxEXPAND | wxALL, 8);
  m_ClosedCheck = new wxCheckBox(this, kClosedCheck, "&Closed");
  top->Add(m_ClosedCheck, 0, wxLEFT | wxRIGHT, 8);
  top->Add(CreateButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 8);
  SetSizerAndFit(top);
  m_OkButton = FindWindow(wxID_OK);

  m_core = std::make_unique<PolygonDialogCore>(
      document, polygon, layerZ, newPolygon,
      [this](win::UINT message, win::WPARAM wParam, win::LPARAM lParam) {
        return m_Grid->Send(message, wParam, lParam);
      },
      std::move(view));
  // The grid's client area, as the node columns see it, ends at its vertical scroll bar.
  m_core->Init(m_Grid->GetClientSize().x - wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, m_Grid));
  m_ClosedCheck->SetValue(m_core->IsClosedChecked());
  EnableByNodeCount();

  m_LayerCombo->FillFrom(document.GetModel(), layerZ);
  m_indexEdit->ChangeValue(std::to_string(newPolygon ? 0 : m_core->GetConductorIndex()));
  m_indexEdit->SetFocus();
}

CDlgPolygon::~CDlgPolygon() = default;

void CDlgPolygon::EnableByNodeCount() {
  m_ClosedCheck->Enable(m_core->IsClosedEnabled());
  m_OkButton->Enable(m_core->IsOkEnabled());
}

void CDlgPolygon::OnGridNotify(wxCommandEvent& event) {
  const auto lParam = static_cast<win::LPARAM>(event.GetExtraLong());
  const int code = event.GetInt();
  const int row = win::LOWORD(lParam);
  if (code == grid::GRN_CELLDOUBLECLICK) {
    wxMenu menu;
    menu.Append(kInsertBefore, "&Insert before");
    menu.Append(kDeleteNode, "&Delete node");
    const bool onNode = m_core->IsCursorOnNode();
    menu.Enable(kInsertBefore, onNode);
    menu.Enable(kDeleteNode, onNode);
    PopupMenu(&menu);
    return;
  }
  if (const auto refused = m_core->OnGridNotify(code, row, win::HIWORD(lParam))) {
    // Told once the grid has finished with the key or click that ended the edit.
    if (!m_refusedCell) {
      CallAfter([this] {
        if (const auto cell = std::exchange(m_refusedCell, std::nullopt)) RefuseNodeCell(*cell);
      });
    }
    m_refusedCell = refused;
  }
  EnableByNodeCount();
}

void CDlgPolygon::RefuseNodeCell(const PolygonDialogCore::NodeCell& cell) {
  m_Grid->SetFocus();
  m_Grid->Send(grid::GRM_MOVECURSOR, static_cast<win::WPARAM>(cell.row), cell.column);
  m_messages.ShowMessage(kEnterNumberText);
}

void CDlgPolygon::OnClosed(wxCommandEvent&) {
  m_core->SetClosed(m_ClosedCheck->GetValue());
}

void CDlgPolygon::OnInsertBefore(wxCommandEvent&) {
  m_core->InsertBefore();
  EnableByNodeCount();
}

void CDlgPolygon::OnDeleteNode(wxCommandEvent&) {
  m_core->DeleteNode();
  EnableByNodeCount();
}

void CDlgPolygon::OnOK(wxCommandEvent&) {
  int index = 0;
  if (const auto failure = ExchangeConductorIndex(m_indexEdit->GetValue().utf8_string(), kIndexEdit, index)) {
    m_messages.ShowMessage(failure->text);
    m_indexEdit->SetFocus();
    return;
  }
  if (const auto cell = m_core->FindUnreadableNode()) {
    m_refusedCell.reset();
    RefuseNodeCell(*cell);
    return;
  }
  const CLayer* layer = m_LayerCombo->LayerAt(m_LayerCombo->GetSelection());
  const std::optional<double> layerZ = layer == nullptr ? std::nullopt : std::optional<double>(layer->GetZ());
  if (const auto failure = m_core->Ok(index, layerZ)) {
    m_messages.ShowMessage(*failure);
    m_LayerCombo->SetFocus();
    return;
  }
  EndModal(wxID_OK);
}

void CDlgPolygon::OnCancel(wxCommandEvent&) {
  m_core->Cancel();
  EndModal(wxID_CANCEL);
}

}  // namespace quor
