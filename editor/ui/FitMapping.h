// A plain mapping of the footprint into a client area: the whole footprint
// fits with a 20-pixel margin, y pointing up. The editing view's first
// painting uses it.
#pragma once

#include "editor/model/ViewMapping.h"

namespace quor {

class FitMapping : public ViewMapping {
 public:
  static constexpr int kMargin = 20;

  // Footprint length and width in internal units, client size in pixels.
  FitMapping(double length, double width, int clientWidth, int clientHeight);

  DevicePoint WorldToScreen(const Point2& point) const override;
  DeviceRect WorldRectToScreen(const DoubleRect& rect) const override;
  double PixelsToUnits(double pixels) const override;

  double Scale() const { return m_scale; }

 private:
  double m_width;
  double m_scale;  // pixels per internal unit, always positive
};

}  // namespace quor
