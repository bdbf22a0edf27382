// The main frame's saved window placement: the 44-byte record of the
// "Position" profile value (length, flags, show command, minimised and
// maximised positions, normal rectangle), little-endian.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/draw/DrawContext.h"

namespace quor {

inline constexpr std::int32_t SW_SHOWNORMAL = 1;
inline constexpr std::int32_t SW_SHOWMINIMIZED = 2;
inline constexpr std::int32_t SW_SHOWMAXIMIZED = 3;

struct WindowPlacement {
  static constexpr std::size_t kSize = 44;

  std::uint32_t flags = 0;
  std::int32_t showCmd = SW_SHOWNORMAL;
  std::int32_t minX = -1;
  std::int32_t minY = -1;
  std::int32_t maxX = -1;
  std::int32_t maxY = -1;
  // The normal (restored) rectangle; right and bottom exclusive.
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;

  std::vector<std::uint8_t> Pack() const;
  // Nothing unless the bytes are a record this program wrote: exactly 44 bytes
  // that say so, with a normal rectangle of positive size.
  static std::optional<WindowPlacement> Unpack(std::span<const std::uint8_t> bytes);
};

// A rectangle read from the profile, made fit to show on the screen: its size
// held to 1..the screen's, then moved onto the screen. Any stored ints work:
// nothing is computed in int before it is clamped.
DeviceRect FitRectToScreen(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
                           const DeviceRect& screen);

}  // namespace quor
