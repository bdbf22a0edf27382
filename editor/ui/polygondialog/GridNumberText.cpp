#include "editor/ui/polygondialog/GridNumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "editor/model/LeadingNumber.h"

namespace quor {

namespace {

constexpr int kSignificantDigits = 6;

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
    if (std::abs(*ReadLeadingNumber(fixed)) < 1e6) return fixed;
  }
  return FormatExponent(value);
}

}  // namespace quor
