// Why a dialog or a settings page refused OK or being left: the text to show
// and the control that gets the focus.
#pragma once

#include <string>

namespace quor {

struct CheckFailure {
  int controlId = 0;  // 0: the focus stays where it is
  std::string text;   // empty: nothing to show, the user has already answered
};

}  // namespace quor
