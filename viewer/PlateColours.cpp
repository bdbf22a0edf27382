#include "viewer/PlateColours.h"

#include "viewer/SegmentGeometry.h"

namespace quor::viewer {

Colour OutlineColour(int j, int groupCount) {
  if (j == groupCount) return {0.7f, 0.6f, 0.3f};
  return {0.5f, 0.5f, 0.7f};
}

Colour FillColour(int j, int groupCount, const Point3& n) {
  if (j == groupCount) {
    return {static_cast<float>((n.x * 0.5 + 0.5) * 0.5), static_cast<float>(n.y * 0.2 + 0.8),
            static_cast<float>((n.z * 0.5 + 0.5) * 0.5)};
  }
  if (groupCount < 3) return {1.0f, 0.0f, 1.0f};
  // Real division: the conductors run from blue (first) to red (last).
  const double last = groupCount - 1;
  const double rest = groupCount - j;
  return {static_cast<float>(j / last * (n.x * 0.2 + 0.8)),
          static_cast<float>(rest * 0.6 / last * (n.y * 0.2 + 0.8)),
          static_cast<float>(rest / last * (n.z * 0.2 + 0.8))};
}

Point3 PlateNormal(std::span<const Point3> nodes) {
  const Point3 newell = NewellVector(nodes);
  const double length = newell.Length();
  if (!(length > 0.0)) return {0.0, 0.0, 1.0};
  return (1.0 / length) * newell;
}

}  // namespace quor::viewer
