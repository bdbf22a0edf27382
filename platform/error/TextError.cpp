#include "platform/error/TextError.h"

namespace quor {

TextError::TextError(const std::string& text) : std::runtime_error(text) {}

// Defined here so the class has one home for its type information.
TextError::~TextError() = default;

}  // namespace quor
