#include "editor/ui/dialogs/EditExchange.h"

#include <wx/textctrl.h>
#include <wx/window.h>

#include "editor/document/MessageBoxes.h"

namespace quor {

void ShowEdit(wxTextCtrl& edit, const EditedText& text) {
  edit.ChangeValue(wxString::FromUTF8(text.text));
  edit.DiscardEdits();
}

EditedText ReadEdit(const wxTextCtrl& edit) {
  return {std::string(edit.GetValue().utf8_str()), edit.IsModified()};
}

void KeepModifyFlag(wxTextCtrl& edit, const EditedText& text) {
  if (!text.modified) edit.DiscardEdits();
}

void ReportFailure(wxWindow& dialog, MessageBoxes& messages, const CheckFailure& failure) {
  if (!failure.text.empty()) messages.ShowMessage(failure.text);
  if (failure.controlId == 0) return;
  if (wxWindow* control = dialog.FindWindow(failure.controlId)) control->SetFocus();
}

}  // namespace quor
