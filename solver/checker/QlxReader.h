// The library's own reader of the project file's fields: fixed-width
// little-endian values, whatever the host's byte order. A file that ends
// before a field is complete is not a project file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <span>

class QlxReader {
 public:
  explicit QlxReader(std::istream& in) : m_in(in) {}

  std::uint8_t ReadU8();
  std::uint16_t ReadU16();
  std::uint32_t ReadU32();
  std::int32_t ReadI32();
  double ReadF64();
  void ReadBytes(std::span<std::uint8_t> bytes);
  void Skip(std::size_t count);

 private:
  std::uint64_t ReadLittleEndian(std::size_t width);

  std::istream& m_in;
};
