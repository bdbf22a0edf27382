#include "dxfconv/DxfPair.h"

#include <algorithm>
#include <optional>

#include "dxfconv/DxfNumbers.h"

namespace quor::dxfconv {

DxfPairReader::Result DxfPairReader::Read(DxfPair& pair) {
  std::vector<std::string> fields;
  while (fields.empty()) {
    const std::optional<std::string> line = m_lines.ReadLine();
    if (!line) return Result::kEnd;
    SplitFields(*line, fields);
  }
  const std::optional<int> code = ParseInteger(fields.front());
  std::optional<std::string> value = m_lines.ReadLine();
  if (!code || !value) return Result::kBad;
  value->resize(std::min(value->size(), m_valueLength));
  value->erase(value->find_last_not_of(' ') + 1);
  pair.code = *code;
  pair.value = std::move(*value);
  return Result::kPair;
}

void WriteDxfPair(std::ostream& out, const DxfPair& pair) {
  const std::string_view value = pair.value;
  out << FormatInteger(pair.code) << '\n' << value.substr(0, value.find_last_not_of(' ') + 1) << '\n';
}

bool ReadDxfTemplate(std::istream& in, std::size_t count, std::vector<DxfPair>& pairs) {
  DxfPairReader reader(in, kTemplateValueLength);
  pairs.assign(count, DxfPair{});
  for (DxfPair& pair : pairs) {
    if (reader.Read(pair) != DxfPairReader::Result::kPair) return false;
  }
  return true;
}

}  // namespace quor::dxfconv
