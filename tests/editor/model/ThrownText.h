// The text of the TextError a call throws, or "" when it throws none.
#pragma once

#include <string>

#include "platform/error/TextError.h"

namespace quor::test {

template <typename Call>
std::string ThrownText(Call call) {
  try {
    call();
  } catch (const TextError& e) {
    return e.Text();
  }
  return "";
}

}  // namespace quor::test
