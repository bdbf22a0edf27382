// The library's own reader of the project file's fields: fixed-width
// little-endian values, whatever the host's byte order. A file that ends
// before a field is complete is not a project file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <span>

#include "tessmor/LittleEndianFields.h"

namespace quor::solver {

class QlxReader : public LittleEndianFields<QlxReader> {
 public:
  explicit QlxReader(std::istream& in) : m_in(in) {}

  void ReadBytes(std::span<std::uint8_t> bytes);
  void Skip(std::size_t count);

 private:
  std::istream& m_in;
};

}  // namespace quor::solver
