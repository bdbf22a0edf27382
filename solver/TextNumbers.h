// Numbers in the library's text files (plate file, listing, results): reals
// in the stream default form ("%g", 6 significant digits) with a decimal
// point, whatever locale the program or the stream has. A GUI toolkit may
// switch the program to a locale with decimal commas, and the files must stay
// readable by every other part of the system. (Integers: std::to_string,
// which no locale affects.)
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

namespace quor::solver {

// value in the "%g" form, right-aligned in width characters (never cut).
std::string FormatGeneral(double value, int width = 0);
// value in the "%.*e" form with `precision` digits after the point (at least
// two exponent digits), right-aligned in width characters (never cut).
std::string FormatScientific(double value, int precision, int width = 0);

// Read one white-space separated token. A token that is not a finite number,
// or not an integer in range, sets the stream's failbit.
bool ReadReal(std::istream& in, double& value);
bool ReadInteger(std::istream& in, std::int32_t& value);

}  // namespace quor::solver
