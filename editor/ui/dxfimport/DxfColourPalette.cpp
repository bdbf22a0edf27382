#include "editor/ui/dxfimport/DxfColourPalette.h"

#include <array>
#include <cmath>

namespace quor {

namespace {

constexpr int kPaletteSize = 256;
constexpr int kFirstRampEntry = 10;
constexpr int kLastRampEntry = 249;
constexpr int kEntriesPerHue = 10;
constexpr double kHueStepDegrees = 15.0;
// Each hue as the full colour and its half-saturated tint at these brightnesses.
constexpr std::array<double, 5> kRampBrightness{255, 165, 127, 76, 38};
constexpr double kTintSaturation = 0.5;

std::uint8_t Channel(double value) {
  // Truncated, with a margin for products such as 165 * 0.5 that are exact in decimal.
  return static_cast<std::uint8_t>(std::floor(value + 1e-9));
}

COLORREF FromHsv(double hueDegrees, double saturation, double brightness) {
  const double sector = hueDegrees / 60.0;
  const int i = static_cast<int>(std::floor(sector)) % 6;
  const double f = sector - std::floor(sector);
  const double p = brightness * (1.0 - saturation);
  const double q = brightness * (1.0 - saturation * f);
  const double t = brightness * (1.0 - saturation * (1.0 - f));
  const double v = brightness;
  double r = v, g = t, b = p;
  switch (i) {
    case 0:
      r = v, g = t, b = p;
      break;
    case 1:
      r = q, g = v, b = p;
      break;
    case 2:
      r = p, g = v, b = t;
      break;
    case 3:
      r = p, g = q, b = v;
      break;
    case 4:
      r = t, g = p, b = v;
      break;
    default:
      r = v, g = p, b = q;
      break;
  }
  return Rgb(Channel(r), Channel(g), Channel(b));
}

std::array<COLORREF, kPaletteSize> MakePalette() {
  std::array<COLORREF, kPaletteSize> palette{};
  const std::array<COLORREF, kFirstRampEntry> first{
      Rgb(0, 0, 0),   Rgb(255, 0, 0),   Rgb(255, 255, 0), Rgb(0, 255, 0),     Rgb(0, 255, 255),
      Rgb(0, 0, 255), Rgb(255, 0, 255), Rgb(0, 0, 0),     Rgb(128, 128, 128), Rgb(192, 192, 192)};
  for (int i = 0; i < kFirstRampEntry; ++i) palette[i] = first[i];
  for (int entry = kFirstRampEntry; entry <= kLastRampEntry; ++entry) {
    const int hue = (entry - kFirstRampEntry) / kEntriesPerHue;
    const int within = (entry - kFirstRampEntry) % kEntriesPerHue;
    palette[entry] =
        FromHsv(hue * kHueStepDegrees, within % 2 == 0 ? 1.0 : kTintSaturation, kRampBrightness[within / 2]);
  }
  const std::array<COLORREF, 6> greys{Rgb(84, 84, 84),    Rgb(118, 118, 118), Rgb(152, 152, 152),
                                      Rgb(186, 186, 186), Rgb(220, 220, 220), Rgb(179, 179, 179)};
  for (int i = 0; i < 6; ++i) palette[kLastRampEntry + 1 + i] = greys[i];
  return palette;
}

}  // namespace

COLORREF DxfColourPalette(int colourNumber) {
  static const std::array<COLORREF, kPaletteSize> palette = MakePalette();
  if (colourNumber < 0 || colourNumber >= kPaletteSize) return Rgb(0, 0, 0);
  return palette[colourNumber];
}

}  // namespace quor
