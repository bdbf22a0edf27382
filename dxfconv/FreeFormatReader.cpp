#include "dxfconv/FreeFormatReader.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace quor::dxfconv {

namespace {

bool IsSeparator(char c) {
  return c == ' ' || c == '\t' || c == ',';
}

// from_chars takes no leading plus sign; free-format input may carry one.
std::string_view WithoutPlus(std::string_view field) {
  if (field.size() > 1 && field.front() == '+' && field[1] != '-') field.remove_prefix(1);
  return field;
}

template <typename T>
std::optional<T> ParseWhole(std::string_view field) {
  field = WithoutPlus(field);
  T value{};
  const char* end = field.data() + field.size();
  const auto [ptr, ec] = std::from_chars(field.data(), end, value);
  if (ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

template <typename T>
bool ParseAll(const std::vector<std::string>& fields, std::span<T> values,
              std::optional<T> (*parse)(std::string_view)) {
  for (std::size_t i = 0; i < values.size(); ++i) {
    const std::optional<T> value = parse(fields[i]);
    if (!value) return false;
    values[i] = *value;
  }
  return true;
}

}  // namespace

void SplitFields(std::string_view line, std::vector<std::string>& fields) {
  std::size_t pos = 0;
  while (pos < line.size()) {
    while (pos < line.size() && IsSeparator(line[pos])) ++pos;
    const std::size_t start = pos;
    while (pos < line.size() && !IsSeparator(line[pos])) ++pos;
    if (pos > start) fields.emplace_back(line.substr(start, pos - start));
  }
}

std::optional<int> ParseInteger(std::string_view field) {
  return ParseWhole<int>(field);
}

std::optional<float> ParseReal(std::string_view field) {
  const std::optional<float> value = ParseWhole<float>(field);
  if (!value || !std::isfinite(*value)) return std::nullopt;
  return value;
}

std::optional<std::string> FreeFormatReader::ReadLine() {
  std::string line;
  if (!std::getline(m_in, line)) return std::nullopt;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

std::optional<std::vector<std::string>> FreeFormatReader::ReadFields(std::size_t count) {
  std::vector<std::string> fields;
  while (fields.size() < count) {
    const std::optional<std::string> line = ReadLine();
    if (!line) return std::nullopt;
    SplitFields(*line, fields);
  }
  return fields;
}

bool FreeFormatReader::ReadIntegers(std::span<int> values) {
  const auto fields = ReadFields(values.size());
  return fields && ParseAll<int>(*fields, values, ParseInteger);
}

bool FreeFormatReader::ReadReals(std::span<float> values) {
  const auto fields = ReadFields(values.size());
  return fields && ParseAll<float>(*fields, values, ParseReal);
}

std::optional<int> FreeFormatReader::ReadInteger() {
  int value = 0;
  if (!ReadIntegers(std::span(&value, 1))) return std::nullopt;
  return value;
}

std::optional<float> FreeFormatReader::ReadReal() {
  float value = 0;
  if (!ReadReals(std::span(&value, 1))) return std::nullopt;
  return value;
}

}  // namespace quor::dxfconv
