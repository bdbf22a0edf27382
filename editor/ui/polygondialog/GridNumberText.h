// Numbers in the editor's grid cells: the six-digit form they are shown in,
// and the lenient reading of what the user typed. Both ignore the process
// locale, since a GTK program may run under one with decimal commas.
#pragma once

#include <string>
#include <string_view>

namespace quor {

// Six significant digits; fixed for magnitudes from 0.1 to below 1000000,
// otherwise a signed three-digit exponent. Trailing zeros of the fraction go,
// the point stays: 10 -> "10.", 0.05 -> "5.e-002".
std::string FormatGridNumber(double value);

// Leading blanks, an optional sign, digits with an optional point and
// fraction, an optional exponent; reading stops at the first character that
// does not fit, and a text without a number gives 0.
double ReadGridNumber(std::string_view text);

}  // namespace quor
