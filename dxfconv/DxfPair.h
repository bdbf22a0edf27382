// The unit of DXF text: a group-code line and a value line.
#pragma once

#include <cstddef>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "dxfconv/FreeFormatReader.h"

namespace quor::dxfconv {

struct DxfPair {
  int code = 0;
  // Kept without trailing blanks, so comparisons ignore them; leading blanks count.
  std::string value;

  bool Is(int groupCode, std::string_view text) const { return code == groupCode && value == text; }
};

// Value lengths the converter keeps: whole-drawing lines and entity-template lines.
constexpr std::size_t kDrawingValueLength = 256;
constexpr std::size_t kTemplateValueLength = 40;

class DxfPairReader {
 public:
  enum class Result { kPair, kEnd, kBad };

  // Values longer than valueLength are cut.
  DxfPairReader(std::istream& in, std::size_t valueLength) : m_lines(in), m_valueLength(valueLength) {}

  // kEnd when the file ends before a group code; kBad for a group code that is
  // not an integer or a missing value line.
  Result Read(DxfPair& pair);

 private:
  FreeFormatReader m_lines;
  std::size_t m_valueLength;
};

// Writes the group code as a decimal integer and the value on the next line.
void WriteDxfPair(std::ostream& out, const DxfPair& pair);

// Reads the first count pairs of an entity template; false when it has fewer.
bool ReadDxfTemplate(std::istream& in, std::size_t count, std::vector<DxfPair>& pairs);

}  // namespace quor::dxfconv
