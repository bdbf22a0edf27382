#include "editor/ui/FitMapping.h"

#include <algorithm>
#include <cmath>

namespace quor {

namespace {

// A client smaller than the margins, or an empty footprint, still maps
// without mirroring or dividing by zero.
constexpr double kMinPixels = 1.0;
constexpr double kMinUnits = 1.0;

int Round(double value) {
  return static_cast<int>(std::floor(value + 0.5));
}

}  // namespace

FitMapping::FitMapping(double length, double width, int clientWidth, int clientHeight)
    : m_width(width),
      m_scale(std::min(std::max(clientWidth - 2.0 * kMargin, kMinPixels) / std::max(length, kMinUnits),
                       std::max(clientHeight - 2.0 * kMargin, kMinPixels) / std::max(width, kMinUnits))) {}

DevicePoint FitMapping::WorldToScreen(const Point2& point) const {
  return {Round(kMargin + m_scale * point.x), Round(kMargin + m_scale * (m_width - point.y))};
}

DeviceRect FitMapping::WorldRectToScreen(const DoubleRect& rect) const {
  const DevicePoint topLeft = WorldToScreen({rect.left, rect.top});
  const DevicePoint bottomRight = WorldToScreen({rect.right, rect.bottom});
  return {std::min(topLeft.x, bottomRight.x), std::min(topLeft.y, bottomRight.y),
          std::max(topLeft.x, bottomRight.x), std::max(topLeft.y, bottomRight.y)};
}

double FitMapping::PixelsToUnits(double pixels) const {
  return pixels / m_scale;
}

}  // namespace quor
