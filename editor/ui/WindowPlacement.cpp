#include "editor/ui/WindowPlacement.h"

#include <array>

namespace quor {

namespace {

std::uint32_t ReadWord(std::span<const std::uint8_t> bytes, std::size_t& offset) {
  std::uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value |= std::uint32_t(bytes[offset + i]) << (8 * i);
  offset += 4;
  return value;
}

void WriteWord(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

std::vector<std::uint8_t> WindowPlacement::Pack() const {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(kSize);
  const std::array<std::uint32_t, 11> words = {std::uint32_t(kSize),   flags,
                                               std::uint32_t(showCmd), std::uint32_t(minX),
                                               std::uint32_t(minY),    std::uint32_t(maxX),
                                               std::uint32_t(maxY),    std::uint32_t(left),
                                               std::uint32_t(top),     std::uint32_t(right),
                                               std::uint32_t(bottom)};
  for (const std::uint32_t word : words) WriteWord(bytes, word);
  return bytes;
}

std::optional<WindowPlacement> WindowPlacement::Unpack(std::span<const std::uint8_t> bytes) {
  if (bytes.size() != kSize) return std::nullopt;
  std::size_t offset = 0;
  if (ReadWord(bytes, offset) != kSize) return std::nullopt;
  WindowPlacement placement;
  placement.flags = ReadWord(bytes, offset);
  placement.showCmd = static_cast<std::int32_t>(ReadWord(bytes, offset));
  std::int32_t* const fields[] = {&placement.minX, &placement.minY, &placement.maxX,  &placement.maxY,
                                  &placement.left, &placement.top,  &placement.right, &placement.bottom};
  for (std::int32_t* field : fields) *field = static_cast<std::int32_t>(ReadWord(bytes, offset));
  if (placement.right <= placement.left || placement.bottom <= placement.top) return std::nullopt;
  return placement;
}

}  // namespace quor
