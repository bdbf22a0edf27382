#include "editor/ui/PixelArt.h"

#include <string_view>

namespace quor {

namespace {

struct PaletteEntry {
  char key;
  ArtColour colour;
};

constexpr PaletteEntry kPalette[] = {
    {'k', {0, 0, 0}},        // outline
    {'w', {255, 255, 255}},  // paper
    {'g', {128, 128, 128}},  // text lines, shadow
    {'l', {192, 192, 192}},  // light face
    {'r', {192, 0, 0}},      // scissors
    {'b', {0, 0, 128}},      // disk
    {'B', {0, 64, 224}},     // outlines drawn by the user
    {'y', {255, 224, 96}},   // folder, clipboard
    {'G', {0, 150, 0}},      // go
    {'o', {214, 130, 40}},   // conductor copper
};

constexpr char kTransparent = '.';

}  // namespace

std::optional<ArtColour> PixelArtColour(char c) {
  for (const PaletteEntry& entry : kPalette) {
    if (entry.key == c) return entry.colour;
  }
  return std::nullopt;
}

bool IsValidPixelArt(std::span<const std::string_view> rows, int width, int height) {
  if (static_cast<int>(rows.size()) != height) return false;
  for (const std::string_view row : rows) {
    if (static_cast<int>(row.size()) != width) return false;
    for (const char c : row) {
      if (c != kTransparent && !PixelArtColour(c)) return false;
    }
  }
  return true;
}

}  // namespace quor
