// Where the editor's message boxes go: the documents', the dialogs' and the
// bars'. The editor shows them with wxMessageBox; tests record them, answer
// the questions and never block in a modal loop.
#pragma once

#include <string>

namespace quor {

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;

  // A plain box with an OK button.
  virtual void ShowMessage(const std::string& text) = 0;
  // The same with the information icon.
  virtual void ShowInformation(const std::string& text) = 0;
  // OK and Cancel with the question icon; true on OK.
  virtual bool AskOkCancel(const std::string& text) = 0;
  // Yes and No with the question icon; true on Yes.
  virtual bool AskYesNo(const std::string& text) = 0;
};

}  // namespace quor
