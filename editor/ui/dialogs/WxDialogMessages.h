// The dialogs' message boxes in the editor: plain messages go through the
// document's message boxes, questions are asked with wxMessageBox.
#pragma once

#include "editor/ui/dialogs/DialogMessages.h"

namespace quor {

class MessageBoxes;

class WxDialogMessages : public DialogMessages {
 public:
  explicit WxDialogMessages(MessageBoxes& messages) : m_messages(messages) {}

  void ShowMessage(const std::string& text) override;
  bool AskYesNo(const std::string& text) override;

 private:
  MessageBoxes& m_messages;
};

}  // namespace quor
