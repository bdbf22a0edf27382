#include "editor/ui/dialogs/CDlgConductorIndex.h"

#include <wx/sizer.h>
#include <wx/textctrl.h>

#include "editor/ui/dialogs/ConductorIndexValue.h"
#include "editor/ui/dialogs/DialogLayout.h"
#include "editor/ui/dialogs/EditExchange.h"

namespace quor {

CDlgConductorIndex::CDlgConductorIndex(wxWindow* parent, const std::string& text, MessageBoxes& messages)
    : wxDialog(parent, wxID_ANY, "Conductor Index"), m_messages(messages) {
  wxFlexGridSizer* grid = CreateFieldGrid();
  m_text = AddEditRow(this, *grid, "&Index:", conductor_index_dialog::kIndexEdit);
  m_text->ChangeValue(wxString::FromUTF8(text));
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(grid, 0, wxEXPAND | wxALL, 10);
  top->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 10);
  SetSizerAndFit(top);
  m_text->SetFocus();
}

bool CDlgConductorIndex::TransferDataFromWindow() {
  if (const auto failure = AcceptConductorIndex(std::string(m_text->GetValue().utf8_str()), m_index)) {
    ReportFailure(*this, m_messages, *failure);
    return false;
  }
  return true;
}

}  // namespace quor
