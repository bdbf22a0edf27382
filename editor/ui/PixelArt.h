// Small pictures written as text, one character a pixel: the toolbar buttons
// and the tools' cursors are drawn this way for this program.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace quor {

struct ArtColour {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
};

// The colour of one art character; '.' is transparent and gives nothing, as
// does a character outside the palette (IsValidPixelArt finds those).
std::optional<ArtColour> PixelArtColour(char c);

// Every row has the given width, there are `height` rows, and every character
// is '.' or in the palette.
bool IsValidPixelArt(std::span<const std::string_view> rows, int width, int height);

}  // namespace quor
