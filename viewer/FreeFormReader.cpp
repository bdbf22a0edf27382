#include "viewer/FreeFormReader.h"

#include <charconv>
#include <istream>
#include <sstream>

namespace quor::viewer {

namespace {

// from_chars takes no leading plus sign, which hand-written files may carry.
std::string_view WithoutPlus(std::string_view token) {
  if (token.size() > 1 && token.front() == '+') token.remove_prefix(1);
  return token;
}

template <typename T>
bool ParseWhole(std::string_view token, T& value) {
  token = WithoutPlus(token);
  const char* end = token.data() + token.size();
  const auto result = std::from_chars(token.data(), end, value);
  return result.ec == std::errc() && result.ptr == end;
}

}  // namespace

bool FreeFormReader::ReadTokens(std::size_t count) {
  m_tokens.clear();
  std::string line;
  while (m_tokens.size() < count) {
    if (!std::getline(m_in, line)) return false;
    std::istringstream words(line);
    std::string word;
    while (words >> word) m_tokens.push_back(word);
  }
  return true;
}

bool FreeFormReader::ReadIntegers(std::span<std::int64_t> values) {
  if (!ReadTokens(values.size())) return false;
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (!ParseWhole(m_tokens[i], values[i])) return false;
  }
  return true;
}

bool FreeFormReader::ReadReals(std::span<double> values) {
  if (!ReadTokens(values.size())) return false;
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (!ParseWhole(m_tokens[i], values[i])) return false;
  }
  return true;
}

}  // namespace quor::viewer
