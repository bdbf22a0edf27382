// Free-form reading of a text file record by record: every read starts on a
// new line, takes its values across as many lines as it needs and drops
// whatever is left on the last line it used.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <span>
#include <string>
#include <vector>

namespace quor::viewer {

class FreeFormReader {
 public:
  explicit FreeFormReader(std::istream& in) : m_in(in) {}

  // False at the end of the input or when a value is not a whole number.
  bool ReadIntegers(std::span<std::int64_t> values);
  // False at the end of the input or when a value is not a number.
  bool ReadReals(std::span<double> values);

 private:
  bool ReadTokens(std::size_t count);

  std::istream& m_in;
  std::vector<std::string> m_tokens;
};

}  // namespace quor::viewer
