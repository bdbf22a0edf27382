#include "editor/ui/dxfimport/CDlgImportDxf.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <vector>

#include "editor/document/MessageBoxes.h"
#include "editor/grid/GridHost.h"
#include "editor/grid/GridMessages.h"
#include "editor/ui/dxfimport/ImportDxfRows.h"
#include "editor/ui/polygondialog/GridCellAccess.h"

namespace quor {

namespace {

using namespace grid;

constexpr int kColumns = 3;
constexpr int kNameColumn = 1;
constexpr int kErColumn = 2;
constexpr int kZColumn = 3;
constexpr int kRowHeaderWidth = 30;
constexpr int kErWidth = 50;
constexpr int kZWidth = 60;
// The name column takes what the other three leave of the grid's width.
constexpr int kFixedColumnsWidth = 140;
constexpr int kRowHeight = 18;

}  // namespace

// clang-format off
wxBEGIN_EVENT_TABLE(CDlgImportDxf, wxDialog)
  EVT_CHOICE(CDlgImportDxf::kUnitCombo, CDlgImportDxf::OnUnitChange)
  EVT_BUTTON(wxID_OK, CDlgImportDxf::OnOK)
  EVT_COMMAND(CDlgImportDxf::kLayerGrid, QUOR_EVT_GRID_NOTIFY, CDlgImportDxf::OnGridNotify)
wxEND_EVENT_TABLE()
    // clang-format on

    CDlgImportDxf::CDlgImportDxf(wxWindow* parent, MessageBoxes& messages)
    : wxDialog(parent, wxID_ANY, "Import DXF", wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      m_messages(messages) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  auto* unitRow = new wxBoxSizer(wxHORIZONTAL);
  unitRow->Add(new wxStaticText(this, wxID_ANY, "&Units used in AutoCAD drawing:"), 0,
               wxALIGN_CENTER_VERTICAL | wxRIGHT, 8);
  const wxString units[] = {"mm", "m", "inch", "mil"};
  m_unitCombo = new wxChoice(this, kUnitCombo, wxDefaultPosition, wxDefaultSize, 4, units);
  unitRow->Add(m_unitCombo, 0);
  top->Add(unitRow, 0, wxALL, 8);
  top->Add(new wxStaticText(this, wxID_ANY, "Layers:"), 0, wxLEFT | wxRIGHT, 8);
  m_Grid = new GridHost(this, kLayerGrid, wxDefaultPosition, wxSize(360, 160));
  top->Add(m_Grid, 1, wxEXPAND | wxALL, 8);
  top->Add(CreateButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 8);
  SetSizerAndFit(top);
}

void CDlgImportDxf::SetLayers(ImportDxfLayerValues& values) {
  m_values = &values;
  m_LayerCount = static_cast<int>(values.names.size());
}

bool CDlgImportDxf::TransferDataToWindow() {
  m_unitCombo->SetSelection(m_Unit);
  m_Grid->Send(GRM_SETDIMENSIONS, m_LayerCount, kColumns);
  m_Grid->Send(GRM_SETEDITABLE, 1);
  m_Grid->Send(GRM_SETROWHIGHLIGHT, 0);
  m_Grid->Send(GRM_SETCOLUMNLETTERING, 0);
  m_Grid->Send(GRM_SETSTRETCHLASTCOLUMN, 0);
  m_Grid->Send(GRM_SETROWHEIGHT, kRowHeight);
  m_Grid->Send(GRM_SETHEADINGHEIGHT, kRowHeight);
  m_Grid->Send(GRM_SETCOLUMNWIDTH, 0, kRowHeaderWidth);
  m_Grid->Send(GRM_SETCOLUMNWIDTH, kErColumn, kErWidth);
  m_Grid->Send(GRM_SETCOLUMNWIDTH, kZColumn, kZWidth);
  m_Grid->Send(GRM_SETCOLUMNWIDTH, kNameColumn, std::max(0, m_Grid->GetClientSize().x - kFixedColumnsWidth));
  SetGridCellText(Sender(), 0, kNameColumn, "Layer name");
  SetGridCellText(Sender(), 0, kErColumn, "Er");
  SetZHeading(*ImportDxfZHeading(m_Unit));
  m_Grid->Send(GRM_SETCOLUMNKIND, kNameColumn, kKindText);
  m_Grid->Send(GRM_SETCOLUMNKIND, kErColumn, kKindNumber);
  m_Grid->Send(GRM_SETCOLUMNKIND, kZColumn, kKindNumber);
  for (int i = 0; i < m_LayerCount; ++i) {
    SetGridCellText(Sender(), i + 1, kNameColumn, m_values->names[i]);
  }
  // Here, as the dialog shows: the list takes the focus only once it is on screen.
  m_unitCombo->SetFocus();
  return true;
}

GridSend CDlgImportDxf::Sender() const {
  return [grid = m_Grid](win::UINT message, win::WPARAM wParam, win::LPARAM lParam) {
    return grid->Send(message, wParam, lParam);
  };
}

void CDlgImportDxf::SetZHeading(const std::string& text) {
  SetGridCellText(Sender(), 0, kZColumn, text);
}

void CDlgImportDxf::OnUnitChange(wxCommandEvent&) {
  m_Unit = m_unitCombo->GetSelection();
  const auto heading = ImportDxfZHeading(m_Unit);
  if (!heading) {
    m_messages.ShowMessage("ComboBox error");
    return;
  }
  SetZHeading(*heading);
}

void CDlgImportDxf::OnOK(wxCommandEvent&) {
  std::vector<ImportDxfRow> rows;
  for (int r = 1; r <= m_LayerCount; ++r) {
    rows.push_back({GetGridCellText(Sender(), r, kNameColumn), GetGridCellText(Sender(), r, kErColumn),
                    GetGridCellText(Sender(), r, kZColumn)});
  }
  if (const auto failure = CheckImportDxfRows(rows, m_unitCombo->GetSelection(), *m_values)) {
    m_messages.ShowMessage(*failure);
    return;
  }
  m_Unit = m_unitCombo->GetSelection();
  m_values->unit = m_Unit;
  EndModal(wxID_OK);
}

void CDlgImportDxf::OnGridNotify(wxCommandEvent&) {
  // The grid's notifications have nothing to change here.
}

}  // namespace quor
