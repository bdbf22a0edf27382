// The number a typed text starts with, read the same way by the dialogs'
// edits and the grids' cells, whatever the process locale.
#pragma once

#include <optional>
#include <string_view>

namespace quor {

// After leading blanks: an optional sign, digits with an optional point and
// fraction, an optional exponent; reading stops at the first character that
// does not fit. Nothing when the text does not start with a number or the
// number lies beyond the range of a double; one too small for it reads as 0.
std::optional<double> ReadLeadingNumber(std::string_view text);

}  // namespace quor
