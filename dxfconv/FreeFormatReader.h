// Reads the converter's text inputs the way free-format reads
// take them: every read starts on a new line, values are separated by blanks
// or commas and may run over several lines, and what is left on the last line
// of a read is dropped. Lines may end with CR LF or LF.
#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quor::dxfconv {

class FreeFormatReader {
 public:
  explicit FreeFormatReader(std::istream& in) : m_in(in) {}

  // The next whole line without its line end; nullopt at the end of the file.
  std::optional<std::string> ReadLine();

  // One read of values.size() numbers. False when a value is not a number of
  // that kind or the file ends first.
  bool ReadIntegers(std::span<int> values);
  bool ReadReals(std::span<float> values);

  // One read of a single value.
  std::optional<int> ReadInteger();
  std::optional<float> ReadReal();

 private:
  // The raw fields of one read, empty lines skipped.
  std::optional<std::vector<std::string>> ReadFields(std::size_t count);

  std::istream& m_in;
};

// Appends the fields of one line, as separated by blanks, tabs or commas.
void SplitFields(std::string_view line, std::vector<std::string>& fields);

// Number syntax shared by every reader here: an optional sign, then what
// std::from_chars takes; the whole field must be used. Reals must be finite.
std::optional<int> ParseInteger(std::string_view field);
std::optional<float> ParseReal(std::string_view field);

}  // namespace quor::dxfconv
