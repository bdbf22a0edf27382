// Message boxes for tests: every text in order, and the questions answered
// with `answer`.
#pragma once

#include <string>
#include <vector>

#include "editor/document/MessageBoxes.h"

namespace quor::test {

class RecordingMessageBoxes : public MessageBoxes {
 public:
  explicit RecordingMessageBoxes(bool answers = true) : answer(answers) {}

  void ShowMessage(const std::string& text) override { shown.push_back(text); }
  void ShowInformation(const std::string& text) override { shown.push_back(text); }
  bool AskOkCancel(const std::string& text) override { return Ask(text); }
  bool AskYesNo(const std::string& text) override { return Ask(text); }

  std::vector<std::string> shown;
  bool answer = true;

 private:
  bool Ask(const std::string& text) {
    shown.push_back(text);
    return answer;
  }
};

}  // namespace quor::test
