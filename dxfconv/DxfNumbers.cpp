#include "dxfconv/DxfNumbers.h"

#include <array>
#include <cctype>
#include <charconv>

namespace quor::dxfconv {

namespace {

template <typename... Args>
std::string ToChars(Args... args) {
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), args...);
  return std::string(buffer.data(), result.ptr);
}

template <typename Real>
std::string FormatAnyReal(Real value) {
  std::string text = ToChars(value);
  if (text.find_first_of(".en") == std::string::npos) text += ".0";
  return text;
}

}  // namespace

std::string FormatInteger(std::int64_t value) {
  return ToChars(value);
}

std::string FormatHandle(std::int64_t handle) {
  std::string text = ToChars(handle, 16);
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

std::string FormatReal(float value) {
  return FormatAnyReal(value);
}

std::string FormatReal(double value) {
  return FormatAnyReal(value);
}

std::optional<std::int64_t> ParseHandle(std::string_view text) {
  std::uint32_t value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value, 16);
  if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

}  // namespace quor::dxfconv
