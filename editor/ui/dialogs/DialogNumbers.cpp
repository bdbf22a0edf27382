#include "editor/ui/dialogs/DialogNumbers.h"

#include <charconv>
#include <string>
#include <system_error>

#include "editor/model/LeadingNumber.h"
#include "editor/model/NumberFormat.h"
#include "editor/model/StorableValues.h"

namespace quor {

namespace {

// Significant digits of a double as the exchange writes it.
constexpr int kExchangeDigits = 15;
// An edit read by its leading number looks at no more than this.
constexpr std::size_t kEditReadLimit = 59;

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

std::string_view TrimLeft(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  return text;
}

std::string_view Trim(std::string_view text) {
  text = TrimLeft(text);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// from_chars takes a minus but no plus; a plus must not be followed by a minus.
std::string_view AfterPlus(std::string_view text, bool& ok) {
  ok = true;
  if (text.empty() || text.front() != '+') return text;
  text.remove_prefix(1);
  ok = text.empty() || text.front() != '-';
  return text;
}

// The number at the start of the text and the characters it took.
template <typename T>
std::optional<T> ParseLeading(std::string_view text, std::size_t& used) {
  bool ok = false;
  const std::string_view rest = AfterPlus(text, ok);
  if (!ok) return std::nullopt;
  T value{};
  const auto result = std::from_chars(rest.data(), rest.data() + rest.size(), value);
  if (result.ec != std::errc()) return std::nullopt;
  used = static_cast<std::size_t>(result.ptr - text.data());
  return value;
}

template <typename T>
std::optional<T> ParseWhole(std::string_view text) {
  text = Trim(text);
  std::size_t used = 0;
  const std::optional<T> value = ParseLeading<T>(text, used);
  if (!value || used != text.size()) return std::nullopt;
  return value;
}

}  // namespace

std::string FormatExchangeDouble(double value) {
  return FormatDouble(value, kExchangeDigits);
}

std::string FormatExchangeInt(int value) {
  return std::to_string(value);
}

std::optional<double> ParseExchangeDouble(std::string_view text) {
  const std::optional<double> value = ParseWhole<double>(text);
  if (!value || !IsStorableNumber(*value)) return std::nullopt;
  return value;
}

std::optional<int> ParseExchangeInt(std::string_view text) {
  return ParseWhole<int>(text);
}

std::optional<CheckFailure> ExchangeDouble(const EditedText& edit, int controlId, double& value) {
  if (!edit.modified) return std::nullopt;
  const std::optional<double> parsed = ParseExchangeDouble(edit.text);
  if (!parsed) return CheckFailure{controlId, kEnterNumberText};
  value = *parsed;
  return std::nullopt;
}

std::optional<CheckFailure> ExchangeInt(const EditedText& edit, int controlId, int& value) {
  if (!edit.modified) return std::nullopt;
  const std::optional<int> parsed = ParseExchangeInt(edit.text);
  if (!parsed) return CheckFailure{controlId, kEnterIntegerText};
  value = *parsed;
  return std::nullopt;
}

std::optional<double> ReadEditNumber(std::string_view text) {
  return ReadLeadingNumber(text.substr(0, kEditReadLimit));
}

bool ReadChangedNumber(EditedText& edit, double factor, double& value) {
  if (!edit.modified) return true;
  const std::optional<double> number = ReadEditNumber(edit.text);
  if (!number || !IsStorableNumber(*number * factor)) return false;
  value = *number * factor;
  edit.modified = false;
  return true;
}

std::optional<int> ReadLeadingInteger(std::string_view text) {
  text = TrimLeft(text);
  bool ok = false;
  const std::string_view rest = AfterPlus(text, ok);
  if (!ok) return 0;
  int value = 0;
  const auto result = std::from_chars(rest.data(), rest.data() + rest.size(), value);
  if (result.ec == std::errc::result_out_of_range) return std::nullopt;
  return result.ec == std::errc() ? value : 0;
}

}  // namespace quor
