// The questions and messages the bars show; wx boxes on screen, recorded in
// tests.
#pragma once

#include <string>

namespace quor {

class BarPrompts {
 public:
  virtual ~BarPrompts() = default;

  // Yes and No with the question icon; true on Yes.
  virtual bool AskYesNo(const std::string& text) = 0;
  virtual void ShowMessage(const std::string& text) = 0;
};

}  // namespace quor
