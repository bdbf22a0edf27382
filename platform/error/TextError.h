// The error the model and the document throw when they refuse a request: a
// fixed text meant to be shown to the user as it stands.
#pragma once

#include <stdexcept>
#include <string>

namespace quor {

class TextError : public std::runtime_error {
 public:
  explicit TextError(const std::string& text);
  ~TextError() override;

  // The text exactly as it was thrown.
  const char* Text() const noexcept { return what(); }
};

}  // namespace quor
