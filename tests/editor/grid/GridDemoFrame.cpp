#include "GridDemoFrame.h"

#include <wx/sizer.h>

#include <string>

#include "editor/grid/GridCellRef.h"
#include "editor/grid/GridHost.h"
#include "editor/grid/GridMessages.h"

namespace quor::grid {

namespace {

constexpr int kDemoGridId = 106;
constexpr int kDemoRows = 100;
constexpr int kDemoColumns = 3;

}  // namespace

// clang-format off
wxBEGIN_EVENT_TABLE(GridDemoFrame, wxFrame)
  EVT_COMMAND(kDemoGridId, QUOR_EVT_GRID_NOTIFY, GridDemoFrame::OnGridNotify)
wxEND_EVENT_TABLE()
    // clang-format on

    GridDemoFrame::GridDemoFrame()
    : wxFrame(nullptr, wxID_ANY, "Grid demo", wxDefaultPosition, wxSize(420, 360)) {
  m_grid = new GridHost(this, kDemoGridId, wxDefaultPosition, wxDefaultSize, "Nodes of a polygon");
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(m_grid, 1, wxEXPAND);
  SetSizer(sizer);
  CreateStatusBar();
  Fill();
}

void GridDemoFrame::Fill() {
  m_grid->Send(GRM_SETDIMENSIONS, kDemoRows, kDemoColumns);
  m_grid->Send(GRM_SETEDITABLE, 1);
  m_grid->Send(GRM_SETCOLUMNSIZING, 1);
  m_grid->Send(GRM_SETCOLUMNWIDTH, 1, 110);
  m_grid->Send(GRM_SETCOLUMNWIDTH, 2, 90);
  m_grid->Send(GRM_SETCOLUMNLETTERING, 0);
  const char* headings[] = {"Name", "x [mm]", "Closed"};
  GridCellRef ref;
  for (int c = 1; c <= kDemoColumns; ++c) {
    SetGridCellRef(ref, 0, c);
    m_grid->Send(GRM_SETCELLTEXT, reinterpret_cast<win::WPARAM>(&ref),
                 reinterpret_cast<win::LPARAM>(headings[c - 1]));
  }
  for (int r = 1; r <= kDemoRows; ++r) {
    const std::string cells[] = {"Node " + std::to_string(r), std::to_string(r * 2.5).substr(0, 6),
                                 r % 3 == 0 ? "TRUE" : "FALSE"};
    for (int c = 1; c <= kDemoColumns; ++c) {
      SetGridCellRef(ref, r, c);
      m_grid->Send(GRM_SETCELLTEXT, reinterpret_cast<win::WPARAM>(&ref),
                   reinterpret_cast<win::LPARAM>(cells[c - 1].c_str()));
    }
  }
}

void GridDemoFrame::OnGridNotify(wxCommandEvent& event) {
  const auto lParam = static_cast<win::LPARAM>(event.GetExtraLong());
  SetStatusText(wxString::Format("Notification %d at row %d, column %d", event.GetInt(), win::LOWORD(lParam),
                                 win::HIWORD(lParam)));
}

}  // namespace quor::grid
