// Per-patch precomputation for the potential kernel.
#include "solver/numeric/PatchKernelData.h"

namespace quor::numeric {

namespace {

// A patch seen from farther than this many times the square root of its area
// acts as a point charge: the neglected terms are a few parts in 10^4 there,
// and most pairs of a large mesh skip the edge loop.
constexpr double kFarFieldSizeRatio = 100.0;

// The vector sum of the edge cross products (Newell's rule) has the direction
// of the outline's orientation and twice its area as length, for convex and
// re-entrant outlines alike.
Vec3 AreaVector(std::span<const Vec3> vertices) {
  Vec3 sum;
  const Vec3& origin = vertices.front();
  for (std::size_t i = 1; i + 1 < vertices.size(); ++i) {
    sum = sum + Cross(vertices[i] - origin, vertices[i + 1] - origin);
  }
  return 0.5 * sum;
}

}  // namespace

PatchKernelData::PatchKernelData(std::span<const Vec3> vertices) {
  if (vertices.empty()) return;
  for (const Vec3& v : vertices) centre = centre + v;
  centre = (1.0 / static_cast<double>(vertices.size())) * centre;

  const Vec3 areaVector = AreaVector(vertices);
  area = Length(areaVector);
  if (area > 0.0) normal = (1.0 / area) * areaVector;
  farFieldDistanceSquared = kFarFieldSizeRatio * kFarFieldSizeRatio * area;

  edges.reserve(vertices.size());
  for (std::size_t i = 0; i < vertices.size(); ++i) {
    const Vec3& a = vertices[i];
    const Vec3& b = vertices[(i + 1) % vertices.size()];
    Edge edge{.start = a};
    edge.length = Length(b - a);
    if (edge.length > 0.0) edge.tangent = (1.0 / edge.length) * (b - a);
    edge.across = Cross(edge.tangent, normal);
    edges.push_back(edge);
  }
}

}  // namespace quor::numeric
