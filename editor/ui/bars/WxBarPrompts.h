// The bars' questions and messages as wx message boxes over their window.
#pragma once

#include "editor/ui/dialogs/DialogMessages.h"

class wxWindow;

namespace quor {

class WxBarPrompts : public DialogMessages {
 public:
  explicit WxBarPrompts(wxWindow* parent) : m_parent(parent) {}

  bool AskYesNo(const std::string& text) override;
  void ShowMessage(const std::string& text) override;

 private:
  wxWindow* m_parent;
};

}  // namespace quor
