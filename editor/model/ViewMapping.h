// What the model's drawing needs of a view: the mapping of world coordinates
// (internal units, y up) to device pixels and the current scale. The editing
// view implements it; tests use a plain fake.
#pragma once

#include <limits>

#include "editor/model/DoubleRect.h"
#include "editor/model/Point2.h"
#include "platform/draw/DrawContext.h"

namespace quor {

class ViewMapping {
 public:
  virtual ~ViewMapping() = default;

  virtual DevicePoint WorldToScreen(const Point2& point) const = 0;
  // The device rectangle of a world rectangle, normalised.
  virtual DeviceRect WorldRectToScreen(const DoubleRect& rect) const = 0;
  // A length of n pixels in world units at the current scale.
  virtual double PixelsToUnits(double pixels) const = 0;
  // The world rectangle outlines are cut to before they are mapped: its
  // pixels lie far outside the window yet well inside int. Unbounded unless
  // the view says otherwise.
  virtual DoubleRect ClipRect() const {
    constexpr double kAll = std::numeric_limits<double>::infinity();
    return {kAll, -kAll, -kAll, kAll};
  }
};

}  // namespace quor
