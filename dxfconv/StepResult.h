// What each converter step hands back: status 0 on success, else 1 and the
// text for the status file.
#pragma once

#include <string>
#include <utility>

namespace quor::dxfconv {

struct StepResult {
  int status = 0;
  std::string message;

  static StepResult Success() { return {}; }
  static StepResult Failure(std::string text) { return {1, std::move(text)}; }
};

}  // namespace quor::dxfconv
