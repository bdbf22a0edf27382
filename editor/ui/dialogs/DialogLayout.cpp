#include "editor/ui/dialogs/DialogLayout.h"

#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace quor {

namespace {

constexpr int kGap = 5;
constexpr int kFieldColumn = 1;
constexpr int kEditWidth = 90;

void AddUnitLabel(wxWindow* parent, wxFlexGridSizer& grid, int unitLabelId) {
  if (unitLabelId == 0) {
    grid.AddSpacer(0);
    return;
  }
  grid.Add(new wxStaticText(parent, unitLabelId, wxString()), 0, wxALIGN_CENTER_VERTICAL);
}

}  // namespace

wxFlexGridSizer* CreateFieldGrid() {
  auto* grid = new wxFlexGridSizer(3, kGap, kGap);
  grid->AddGrowableCol(kFieldColumn);
  return grid;
}

void AddControlRow(wxWindow* parent, wxFlexGridSizer& grid, const wxString& label, wxWindow* control,
                   int unitLabelId) {
  grid.Add(new wxStaticText(parent, wxID_ANY, label), 0, wxALIGN_CENTER_VERTICAL);
  grid.Add(control, 1, wxEXPAND);
  AddUnitLabel(parent, grid, unitLabelId);
}

wxTextCtrl* AddEditRow(wxWindow* parent, wxFlexGridSizer& grid, const wxString& label, int editId,
                       int unitLabelId) {
  auto* edit = new wxTextCtrl(parent, editId, wxString(), wxDefaultPosition, wxSize(kEditWidth, -1));
  AddControlRow(parent, grid, label, edit, unitLabelId);
  return edit;
}

wxTextCtrl* AddEditRow(wxWindow* parent, wxFlexGridSizer& grid, const wxString& label, int editId,
                       wxWindow& unitControl) {
  auto* edit = new wxTextCtrl(parent, editId, wxString(), wxDefaultPosition, wxSize(kEditWidth, -1));
  grid.Add(new wxStaticText(parent, wxID_ANY, label), 0, wxALIGN_CENTER_VERTICAL);
  grid.Add(edit, 1, wxEXPAND);
  grid.Add(&unitControl, 0, wxALIGN_CENTER_VERTICAL);
  return edit;
}

void SetUnitLabel(wxWindow& parent, int unitLabelId, const wxString& unitName) {
  if (auto* label = dynamic_cast<wxStaticText*>(parent.FindWindow(unitLabelId))) label->SetLabel(unitName);
}

wxSizer* Group(wxWindow* parent, const wxString& caption, wxSizer* content) {
  auto* box = new wxStaticBoxSizer(wxVERTICAL, parent, caption);
  box->Add(content, 1, wxEXPAND | wxALL, kGap);
  return box;
}

}  // namespace quor
