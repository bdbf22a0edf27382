// A view mapping for model tests: the editing view's formulas with a fixed
// scale, no scrolling and a 20-pixel margin.
#pragma once

#include <cmath>

#include "editor/model/ViewMapping.h"

namespace quor::test {

class FakeViewMapping : public ViewMapping {
 public:
  FakeViewMapping(double pixelsPerUnit, double footprintWidth)
      : m_ppu(pixelsPerUnit), m_width(footprintWidth) {}

  DevicePoint WorldToScreen(const Point2& point) const override {
    return {Round(m_ppu * point.x + 20), Round(m_ppu * (m_width - point.y) + 20)};
  }
  DeviceRect WorldRectToScreen(const DoubleRect& rect) const override {
    const DevicePoint topLeft = WorldToScreen({rect.left, rect.top});
    const DevicePoint bottomRight = WorldToScreen({rect.right, rect.bottom});
    return {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
  }
  double PixelsToUnits(double pixels) const override { return pixels / m_ppu; }

 private:
  static int Round(double value) { return static_cast<int>(std::floor(value + 0.5)); }

  double m_ppu;
  double m_width;
};

}  // namespace quor::test
