// The fixed-width little-endian fields of the project file, read alike by the
// editor's archive and the library's checker whatever the host's byte order.
// A reader derives from LittleEndianFields<Reader> and supplies
// ReadBytes(std::span<std::uint8_t>), which fills the span whole or throws.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>

namespace quor {

template <typename Reader>
class LittleEndianFields {
 public:
  std::uint8_t ReadU8() { return static_cast<std::uint8_t>(ReadField(1)); }
  std::uint16_t ReadU16() { return static_cast<std::uint16_t>(ReadField(2)); }
  std::uint32_t ReadU32() { return static_cast<std::uint32_t>(ReadField(4)); }
  std::int32_t ReadI32() { return static_cast<std::int32_t>(ReadU32()); }
  double ReadF64() { return std::bit_cast<double>(ReadField(8)); }

 private:
  std::uint64_t ReadField(std::size_t width) {
    std::array<std::uint8_t, 8> bytes{};
    static_cast<Reader&>(*this).ReadBytes(std::span(bytes).first(width));
    std::uint64_t value = 0;
    for (std::size_t i = width; i-- > 0;) value = (value << 8) | bytes[i];
    return value;
  }
};

}  // namespace quor
