#include "solver/PolygonSubtraction.h"

#include <cstddef>

#include "solver/PointLocation.h"
#include "tessmor/Polygon.h"

namespace quor::solver {

namespace {

// Unit normals with a z component beyond this face up (or down) enough.
constexpr double kFacing = 0.99;
constexpr double kFarAway = 1e10;

struct Bridge {
  std::size_t outer = 0;
  std::size_t inner = 0;
};

// The closest pair of vertices; the first closest pair in outer-major order wins.
Bridge ShortestBridge(std::span<const Point3> outer, std::span<const Point3> inner) {
  Bridge best;
  double bestDistance = kFarAway;
  for (std::size_t i = 0; i < outer.size(); ++i) {
    for (std::size_t k = 0; k < inner.size(); ++k) {
      const double distance = (outer[i] - inner[k]).Length();
      if (distance >= bestDistance) continue;
      bestDistance = distance;
      best = {i, k};
    }
  }
  return best;
}

}  // namespace

SubtractResult KeyholeSubtract(const Polygon& a, const Polygon& b, std::span<Point3> out, std::int32_t& count,
                               double t) {
  const Containment bInA = ClassifyContainment(a, b, t);
  const Containment aInB = ClassifyContainment(b, a, t);
  if (bInA == Containment::None && aInB == Containment::None) return SubtractResult::Disjoint;
  if (bInA == Containment::Partly || aInB == Containment::Partly) return SubtractResult::PartialOverlap;

  const std::size_t needed = static_cast<std::size_t>(a.Count()) + static_cast<std::size_t>(b.Count()) + 2;
  if (needed > out.size()) {
    count = static_cast<std::int32_t>(needed);
    return SubtractResult::OutputTooSmall;
  }

  const bool aIsOuter = a.Area() > b.Area();
  Polygon outer = aIsOuter ? a : b;
  Polygon inner = aIsOuter ? b : a;
  if (outer.UnitNormal().z < kFacing) outer.Reversed();
  if (inner.UnitNormal().z > -kFacing) inner.Reversed();

  const auto outerVertices = outer.Vertices();
  const auto innerVertices = inner.Vertices();
  const Bridge bridge = ShortestBridge(outerVertices, innerVertices);
  std::size_t next = 0;
  out[next++] = outerVertices[bridge.outer];
  for (std::size_t k = 0; k <= innerVertices.size(); ++k) {
    out[next++] = innerVertices[(bridge.inner + k) % innerVertices.size()];
  }
  for (std::size_t i = 0; i < outerVertices.size(); ++i) {
    out[next++] = outerVertices[(bridge.outer + i) % outerVertices.size()];
  }
  count = static_cast<std::int32_t>(next);
  return SubtractResult::Done;
}

}  // namespace quor::solver
