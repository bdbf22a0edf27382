// The bars' questions and messages as wx message boxes over a window.
#pragma once

#include "editor/ui/bars/BarPrompts.h"

class wxWindow;

namespace quor {

class WxBarPrompts : public BarPrompts {
 public:
  explicit WxBarPrompts(wxWindow* parent) : m_parent(parent) {}

  bool AskYesNo(const std::string& text) override;
  void ShowMessage(const std::string& text) override;

 private:
  wxWindow* m_parent;
};

}  // namespace quor
