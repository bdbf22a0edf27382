#include "editor/ui/dialogs/CDlgProject.h"

#include <wx/sizer.h>
#include <wx/textctrl.h>

#include "editor/ui/dialogs/DialogLayout.h"
#include "editor/ui/dialogs/EditExchange.h"
#include "editor/ui/dialogs/ProjectValues.h"

namespace quor {

using namespace project_dialog;

CDlgProject::CDlgProject(wxWindow* parent, const ProjectDialogValues& values, MessageBoxes& messages)
    : wxDialog(parent, wxID_ANY, values.newProject ? "New Project" : "Project Properties"),
      m_values(values),
      m_messages(messages) {
  wxFlexGridSizer* grid = CreateFieldGrid();
  m_length = AddEditRow(this, *grid, "&Length:", kLengthEdit, kLengthUnitLabel);
  m_width = AddEditRow(this, *grid, "&Width:", kWidthEdit, kWidthUnitLabel);
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(Group(this, "Footprint", grid), 0, wxEXPAND | wxALL, 10);
  top->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 10);

  const wxString unit = wxString::FromUTF8(m_values.unitName);
  SetUnitLabel(*this, kLengthUnitLabel, unit);
  SetUnitLabel(*this, kWidthUnitLabel, unit);
  const ProjectDialogTexts texts = ShowProjectValues(m_values);
  ShowEdit(*m_length, texts.length);
  ShowEdit(*m_width, texts.width);
  SetSizerAndFit(top);
  CentreOnScreen();
  m_length->SetFocus();
}

bool CDlgProject::TransferDataFromWindow() {
  ProjectDialogTexts texts{ReadEdit(*m_length), ReadEdit(*m_width)};
  const std::optional<CheckFailure> failure = AcceptProjectValues(m_values, texts);
  KeepModifyFlag(*m_length, texts.length);
  KeepModifyFlag(*m_width, texts.width);
  if (!failure) return true;
  ReportFailure(*this, m_messages, *failure);
  return false;
}

}  // namespace quor
