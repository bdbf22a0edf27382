// Numbers in the editor's grid cells: the six-digit form they are shown in,
// whatever the process locale, since a GTK program may run under one with
// decimal commas. What the user types in them is read by ReadLeadingNumber.
#pragma once

#include <string>

namespace quor {

// Six significant digits; fixed for magnitudes from 0.1 to below 1000000,
// otherwise a signed three-digit exponent. Trailing zeros of the fraction go,
// the point stays: 10 -> "10.", 0.05 -> "5.e-002".
std::string FormatGridNumber(double value);

}  // namespace quor
