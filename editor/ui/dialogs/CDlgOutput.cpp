#include "editor/ui/dialogs/CDlgOutput.h"

#include <wx/checkbox.h>
#include <wx/sizer.h>

#include "editor/ui/dialogs/DialogLayout.h"

namespace quor {

using namespace output_page;

namespace {

wxCheckBox* AddCheck(wxWindow* parent, wxSizer& column, int id, const wxString& label, bool value) {
  auto* check = new wxCheckBox(parent, id, label);
  check->SetValue(value);
  column.Add(check, 0, wxALL, 2);
  return check;
}

}  // namespace

CDlgOutput::CDlgOutput(wxWindow* parent, MessageBoxes& messages, const OutputPageValues& values)
    : SettingsPage(parent, messages) {
  auto* column = new wxBoxSizer(wxVERTICAL);
  m_cParameters = AddCheck(this, *column, kCParametersCheck, "&C Parameters", values.openCParameters);
  m_ckt = AddCheck(this, *column, kCktCheck, "C&kt", values.openCkt);
  m_yParameters = AddCheck(this, *column, kYParametersCheck, "&Y Parameters", values.openYParameters);
  auto* page = new wxBoxSizer(wxVERTICAL);
  page->Add(Group(this, "Default output", column), 0, wxEXPAND | wxALL, 10);
  SetSizer(page);
}

OutputPageValues CDlgOutput::Values() const {
  return {m_cParameters->GetValue(), m_ckt->GetValue(), m_yParameters->GetValue()};
}

bool CDlgOutput::OnKillActive() {
  return Passed(LeaveOutputPage(Values()));
}

}  // namespace quor
