// Moving values between the dialogs' edit controls and their value records:
// the text with its modify flag, and the report of a failed check.
#pragma once

#include "editor/ui/dialogs/CheckFailure.h"
#include "editor/ui/dialogs/EditedText.h"

class wxTextCtrl;
class wxWindow;

namespace quor {

class MessageBoxes;

// Fills the edit; it then counts as unchanged.
void ShowEdit(wxTextCtrl& edit, const EditedText& text);
EditedText ReadEdit(const wxTextCtrl& edit);
// An edit whose text the values took counts as unchanged from then on.
void KeepModifyFlag(wxTextCtrl& edit, const EditedText& text);

// Shows the failure's text, if it has one, and puts the focus on its control.
void ReportFailure(wxWindow& dialog, MessageBoxes& messages, const CheckFailure& failure);

}  // namespace quor
