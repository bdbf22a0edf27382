#include "editor/ui/polygondialog/GridNumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace quor {

namespace {

constexpr int kSignificantDigits = 6;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Drops the zeros that end a fraction but keeps the point.
std::string TrimFraction(std::string digits) {
  const auto point = digits.find('.');
  if (point == std::string::npos) return digits + '.';
  digits.erase(digits.find_last_not_of('0') + 1);
  return digits;
}

std::string FormatFixed(double value, int decimals) {
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  return TrimFraction(std::string(buffer, result.ptr));
}

std::string FormatExponent(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific,
                                    kSignificantDigits - 1);
  const std::string text(buffer, result.ptr);
  const auto e = text.find('e');
  int exponent = 0;
  std::from_chars(text.data() + e + 1 + (text[e + 1] == '+'), text.data() + text.size(), exponent);
  char digits[8];
  const int magnitude = std::abs(exponent);
  digits[0] = exponent < 0 ? '-' : '+';
  digits[1] = static_cast<char>('0' + magnitude / 100 % 10);
  digits[2] = static_cast<char>('0' + magnitude / 10 % 10);
  digits[3] = static_cast<char>('0' + magnitude % 10);
  return TrimFraction(text.substr(0, e)) + 'e' + std::string(digits, 4);
}

}  // namespace

std::string FormatGridNumber(double value) {
  if (!std::isfinite(value)) return FormatExponent(value);
  if (value == 0.0) return "0.";
  const double magnitude = std::abs(value);
  if (magnitude >= 0.1 && magnitude < 1e6) {
    const int leading = static_cast<int>(std::floor(std::log10(magnitude))) + 1;
    const std::string fixed = FormatFixed(value, std::max(0, kSignificantDigits - leading));
    // Rounding may carry into a seventh digit (999999.7): that one is too large for fixed.
    if (std::abs(ReadGridNumber(fixed)) < 1e6) return fixed;
  }
  return FormatExponent(value);
}

double ReadGridNumber(std::string_view text) {
  std::size_t at = text.find_first_not_of(" \t");
  if (at == std::string_view::npos) return 0.0;
  const std::size_t start = at;
  if (text[at] == '+' || text[at] == '-') ++at;
  const std::size_t mantissa = at;
  while (at < text.size() && IsDigit(text[at])) ++at;
  bool anyDigit = at > mantissa;
  if (at < text.size() && text[at] == '.') {
    const std::size_t fraction = ++at;
    while (at < text.size() && IsDigit(text[at])) ++at;
    anyDigit = anyDigit || at > fraction;
  }
  if (!anyDigit) return 0.0;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    std::size_t exponent = at + 1;
    if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
    if (exponent < text.size() && IsDigit(text[exponent])) {
      at = exponent;
      while (at < text.size() && IsDigit(text[at])) ++at;
    }
  }
  // from_chars takes no plus sign.
  const std::size_t from = text[start] == '+' ? start + 1 : start;
  double value = 0.0;
  const auto result = std::from_chars(text.data() + from, text.data() + at, value);
  if (result.ec == std::errc::result_out_of_range) {
    // As strtod: an overflow is the signed largest value, an underflow zero.
    const bool tiny = text.substr(from, at - from).find_first_of("123456789") == std::string_view::npos ||
                      text.substr(from, at - from).find("e-") != std::string_view::npos ||
                      text.substr(from, at - from).find("E-") != std::string_view::npos;
    if (tiny) return 0.0;
    const double huge = std::numeric_limits<double>::infinity();
    return text[start] == '-' ? -huge : huge;
  }
  return value;
}

}  // namespace quor
