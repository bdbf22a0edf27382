#include "editor/model/LayerColourTable.h"

#include <array>

namespace quor {

namespace {

constexpr std::array<COLORREF, kLayerColourCount> kColours{
    Rgb(128, 128, 255), Rgb(255, 128, 255), Rgb(255, 128, 0),   Rgb(0, 128, 192),   Rgb(255, 128, 128),
    Rgb(128, 0, 255),   Rgb(170, 0, 0),     Rgb(0, 128, 0),     Rgb(128, 128, 0),   Rgb(0, 0, 128),
    Rgb(128, 0, 128),   Rgb(0, 128, 128),   Rgb(128, 128, 128), Rgb(192, 192, 192), Rgb(0, 255, 0),
    Rgb(255, 255, 0),   Rgb(0, 255, 255),   Rgb(255, 0, 255),   Rgb(135, 52, 18),   Rgb(135, 52, 52),
    Rgb(0, 80, 84),     Rgb(87, 86, 22),    Rgb(87, 103, 23),   Rgb(87, 86, 22),    Rgb(55, 52, 20),
    Rgb(0, 118, 18),    Rgb(135, 103, 23),  Rgb(103, 103, 23),  Rgb(101, 101, 18),  Rgb(55, 52, 21),
    Rgb(86, 55, 18),    Rgb(135, 87, 18),   Rgb(103, 55, 18),   Rgb(87, 86, 22),    Rgb(135, 69, 0),
    Rgb(0, 52, 18),     Rgb(103, 120, 24),  Rgb(7, 0, 19),      Rgb(69, 86, 18),    Rgb(6, 84, 22),
    Rgb(135, 118, 18),  Rgb(134, 118, 18),  Rgb(135, 80, 23),   Rgb(69, 86, 22),    Rgb(135, 0, 16),
    Rgb(87, 118, 22),   Rgb(103, 120, 24),  Rgb(87, 118, 18),   Rgb(84, 86, 22),    Rgb(7, 48, 4),
    Rgb(118, 101, 23),  Rgb(135, 118, 24),  Rgb(135, 87, 23),   Rgb(103, 103, 23),  Rgb(103, 0, 118),
    Rgb(118, 101, 23),  Rgb(135, 103, 23),  Rgb(104, 135, 18),  Rgb(87, 52, 19),    Rgb(119, 118, 0),
    Rgb(119, 119, 18),  Rgb(135, 118, 18),  Rgb(135, 52, 18),
};

}  // namespace

COLORREF DefaultLayerColour(std::uint32_t layerCounter) {
  return kColours[layerCounter % kLayerColourCount];
}

}  // namespace quor
