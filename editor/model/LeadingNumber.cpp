#include "editor/model/LeadingNumber.h"

#include <algorithm>
#include <charconv>
#include <system_error>

namespace quor {

namespace {

// Far beyond any exponent a double can take, and far from overflowing either.
constexpr long long kExponentLimit = 1'000'000'000;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::size_t SkipDigits(std::string_view text, std::size_t at) {
  while (at < text.size() && IsDigit(text[at])) ++at;
  return at;
}

// The length of the number at the start of the text (sign included); 0 when there is none.
std::size_t NumberLength(std::string_view text) {
  std::size_t at = 0;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
  const std::size_t mantissa = at;
  at = SkipDigits(text, at);
  bool anyDigit = at > mantissa;
  if (at < text.size() && text[at] == '.') {
    const std::size_t fraction = ++at;
    at = SkipDigits(text, at);
    anyDigit = anyDigit || at > fraction;
  }
  if (!anyDigit) return 0;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    std::size_t exponent = at + 1;
    if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
    if (exponent < text.size() && IsDigit(text[exponent])) at = SkipDigits(text, exponent);
  }
  return at;
}

// Of an unsigned number out of a double's range: whether it is too large
// rather than too small, by the power of ten of its leading digit.
bool IsTooLarge(std::string_view number) {
  const std::size_t e = std::min(number.find_first_of("eE"), number.size());
  long long exponent = 0;
  if (e < number.size()) {
    std::string_view digits = number.substr(e + 1);
    const bool negative = digits.front() == '-';
    if (digits.front() == '+' || negative) digits.remove_prefix(1);
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), exponent);
    if (result.ec != std::errc() || exponent > kExponentLimit) exponent = kExponentLimit;
    if (negative) exponent = -exponent;
  }
  const std::string_view mantissa = number.substr(0, e);
  const std::size_t leadAt = mantissa.find_first_of("123456789");
  if (leadAt == std::string_view::npos) return false;
  const auto lead = static_cast<long long>(leadAt);
  const auto point = static_cast<long long>(std::min(mantissa.find('.'), mantissa.size()));
  return (lead < point ? point - lead - 1 : point - lead) + exponent > 0;
}

}  // namespace

std::optional<double> ReadLeadingNumber(std::string_view text) {
  text.remove_prefix(std::min(text.find_first_not_of(" \t\n\r\f\v"), text.size()));
  const std::size_t length = NumberLength(text);
  if (length == 0) return std::nullopt;
  std::string_view number = text.substr(0, length);
  // from_chars takes a minus but no plus.
  if (number.front() == '+') number.remove_prefix(1);
  double value = 0.0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  if (result.ec == std::errc()) return value;
  const std::string_view magnitude = number.substr(number.front() == '-' ? 1 : 0);
  if (IsTooLarge(magnitude)) return std::nullopt;
  return number.front() == '-' ? -0.0 : 0.0;
}

}  // namespace quor
