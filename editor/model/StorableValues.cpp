#include "editor/model/StorableValues.h"

#include <cmath>

namespace quor {

bool IsStorableNumber(double value) {
  return std::isfinite(value);
}

bool IsStorablePoint(const Point3& point) {
  return IsStorableNumber(point.x) && IsStorableNumber(point.y) && IsStorableNumber(point.z);
}

bool IsStorableSize(double value) {
  return IsStorableNumber(value) && value > 0.0;
}

bool IsStorableLayerOrder(double lowerZ, double upperZ) {
  return lowerZ < upperZ;
}

}  // namespace quor
