#include "solver/TextNumbers.h"

#include <array>
#include <charconv>
#include <cmath>
#include <istream>
#include <system_error>
#include <type_traits>

namespace quor::solver {
namespace {

constexpr int kSignificantDigits = 6;

template <class Number>
bool ReadNumber(std::istream& in, Number& value) {
  std::string token;
  if (!(in >> token)) return false;
  Number parsed{};
  const char* end = token.data() + token.size();
  const auto result = std::from_chars(token.data(), end, parsed);
  bool valid = result.ec == std::errc() && result.ptr == end;
  if constexpr (std::is_floating_point_v<Number>) valid = valid && std::isfinite(parsed);
  if (!valid) {
    in.setstate(std::ios::failbit);
    return false;
  }
  value = parsed;
  return true;
}

std::string Format(double value, std::chars_format format, int precision, int width) {
  std::array<char, 64> digits{};
  const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value, format, precision);
  const auto length = static_cast<int>(result.ptr - digits.data());
  std::string text(static_cast<std::size_t>(width > length ? width - length : 0), ' ');
  text.append(digits.data(), result.ptr);
  return text;
}

}  // namespace

std::string FormatGeneral(double value, int width) {
  return Format(value, std::chars_format::general, kSignificantDigits, width);
}

std::string FormatScientific(double value, int precision, int width) {
  return Format(value, std::chars_format::scientific, precision, width);
}

bool ReadReal(std::istream& in, double& value) {
  return ReadNumber(in, value);
}

bool ReadInteger(std::istream& in, std::int32_t& value) {
  return ReadNumber(in, value);
}

}  // namespace quor::solver
