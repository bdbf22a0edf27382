// Dialog message boxes for tests: every text in order, and the questions
// answered with `answer`.
#pragma once

#include <string>
#include <vector>

#include "editor/ui/dialogs/DialogMessages.h"

namespace quor::test {

class RecordingDialogMessages : public DialogMessages {
 public:
  void ShowMessage(const std::string& text) override { shown.push_back(text); }
  bool AskYesNo(const std::string& text) override {
    shown.push_back(text);
    return answer;
  }

  std::vector<std::string> shown;
  bool answer = true;
};

}  // namespace quor::test
