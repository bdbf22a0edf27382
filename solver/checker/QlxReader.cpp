#include "solver/checker/QlxReader.h"

#include <algorithm>
#include <array>
#include <bit>
#include <istream>

#include "solver/QuorError.h"

std::uint64_t QlxReader::ReadLittleEndian(std::size_t width) {
  std::array<std::uint8_t, 8> bytes{};
  ReadBytes(std::span(bytes).first(width));
  std::uint64_t value = 0;
  for (std::size_t i = width; i-- > 0;) value = (value << 8) | bytes[i];
  return value;
}

std::uint8_t QlxReader::ReadU8() {
  return static_cast<std::uint8_t>(ReadLittleEndian(1));
}

std::uint16_t QlxReader::ReadU16() {
  return static_cast<std::uint16_t>(ReadLittleEndian(2));
}

std::uint32_t QlxReader::ReadU32() {
  return static_cast<std::uint32_t>(ReadLittleEndian(4));
}

std::int32_t QlxReader::ReadI32() {
  return static_cast<std::int32_t>(ReadU32());
}

double QlxReader::ReadF64() {
  return std::bit_cast<double>(ReadLittleEndian(8));
}

void QlxReader::ReadBytes(std::span<std::uint8_t> bytes) {
  m_in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  // A truncated file would otherwise leave the field as garbage.
  if (m_in.gcount() != static_cast<std::streamsize>(bytes.size())) throw QUOR_error::error::BadMagic;
}

void QlxReader::Skip(std::size_t count) {
  std::array<std::uint8_t, 64> scratch{};
  while (count > 0) {
    const std::size_t chunk = std::min(count, scratch.size());
    ReadBytes(std::span(scratch).first(chunk));
    count -= chunk;
  }
}
