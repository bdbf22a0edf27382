#include "editor/ui/WindowPlacement.h"

#include <algorithm>
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

DeviceRect FitRectToScreen(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
                           const DeviceRect& screen) {
  const std::int64_t screenWidth = std::max<std::int64_t>(1, std::int64_t{screen.right} - screen.left);
  const std::int64_t screenHeight = std::max<std::int64_t>(1, std::int64_t{screen.bottom} - screen.top);
  const std::int64_t width = std::clamp<std::int64_t>(right - left, 1, screenWidth);
  const std::int64_t height = std::clamp<std::int64_t>(bottom - top, 1, screenHeight);
  const std::int64_t x = std::clamp<std::int64_t>(left, screen.left, screen.left + screenWidth - width);
  const std::int64_t y = std::clamp<std::int64_t>(top, screen.top, screen.top + screenHeight - height);
  return {static_cast<int>(x), static_cast<int>(y), static_cast<int>(x + width),
          static_cast<int>(y + height)};
}

}  // namespace quor
