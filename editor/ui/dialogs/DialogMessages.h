// The message boxes of the dialogs and settings pages. The editor shows them
// on screen; tests record them and answer the questions without a modal loop.
#pragma once

#include <string>

namespace quor {

class DialogMessages {
 public:
  virtual ~DialogMessages() = default;

  // A plain box with an OK button.
  virtual void ShowMessage(const std::string& text) = 0;
  // Yes and No; true on Yes.
  virtual bool AskYesNo(const std::string& text) = 0;
};

}  // namespace quor
