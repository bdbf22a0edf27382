// Closed-form patch integrals as a sum over the outline's edges, with a
// point-charge form far away.
#include "solver/numeric/PatchPotentialField.h"

#include <cmath>
#include <utility>

namespace quor::numeric {

namespace {

// Edges much shorter than the mesh step are slivers left by clipping; their
// terms are rounding noise and are left out.
constexpr double kShortEdgeRatio = 0.05;

// A point whose distance to an end vertex of an edge exceeds its distance to
// it along the edge's line by less than this (relative to the mesh step)
// counts as on that line: the logarithm's argument is lost to rounding there.
constexpr double kOnEdgeLineRatio = 1e-7;

// Everything about the observation point that does not depend on the edge.
struct Observer {
  Vec3 direction;
  double u;        // signed height above the patch plane
  double height;   // |u|
  double side;     // sign of u: −1, 0 or 1
  double normalA;  // normal · direction
};

// The terms of one edge whose observation point is off the edge's line.
// Symbols: f across the edge, h and k along it to the end and start vertex,
// rb and ra the distances to them.
void AddEdgeTerms(const PatchKernelData::Edge& edge, const Observer& obs, double f, double h, double k,
                  double rb, double ra, PotentialAndField& sum) {
  const double u = obs.u;
  const double height = obs.height;
  const double offLine = u * u + f * f;
  // h + rb and k + ra without cancellation where the point lies behind the vertex.
  const double hb = h > 0.0 ? h + rb : offLine / (rb - h);
  const double ka = k > 0.0 ? k + ra : offLine / (ra - k);
  const double logRatio = std::log(ka / hb);
  const double yb = h * f;
  const double ya = k * f;
  const double xb = offLine + rb * height;
  const double xa = offLine + ra * height;
  // Both angles lie in (−π/2, π/2) because xb, xa > 0, so one atan2 gives their difference.
  const double angle = std::atan2(yb * xa - xb * ya, xb * xa + yb * ya);
  sum.potential += height * angle + f * logRatio;

  const double m = Dot(edge.across, obs.direction);
  const double o = Dot(edge.tangent, obs.direction);
  const double nn = obs.normalA;
  const double g = f * m + nn * u;
  const double pb = (g - h * o) / rb;
  const double pa = (g - k * o) / ra;
  sum.field += -m * logRatio + f * (pb - o) / hb - f * (pa - o) / ka - nn * obs.side * angle;
  if (height == 0.0) return;
  const double db = xb * xb + yb * yb;
  const double da = xa * xa + ya * ya;
  sum.field += height * ((-m * h * xb + o * f * xb + pb * yb * (height + 2.0 * rb) + nn * obs.side * rb * yb +
                          2.0 * o * h * yb) /
                             db -
                         (-m * k * xa + o * f * xa + pa * ya * (height + 2.0 * ra) + nn * obs.side * ra * ya +
                          2.0 * o * k * ya) /
                             da);
}

// An observation point on the line of an edge gets no potential term from it.
// Beyond either end the field term is the limit of the general one; on the
// edge itself or at a vertex the logarithm has no finite value and is skipped.
void AddOnLineTerms(const PatchKernelData::Edge& edge, const Observer& obs, double h, double k,
                    PotentialAndField& sum) {
  if (!(h * k > 0.0)) return;
  const double m = Dot(edge.across, obs.direction);
  sum.field -= m * std::log(h > 0.0 ? k / h : h / k);
}

PotentialAndField NearField(const PatchKernelData& patch, const Vec3& point, double scale,
                            const Vec3& direction) {
  PotentialAndField sum;
  if (patch.edges.empty()) return sum;
  const double u = Dot(point - patch.edges.front().start, patch.normal);
  const Observer obs{.direction = direction,
                     .u = u,
                     .height = std::abs(u),
                     .side = static_cast<double>((u > 0.0) - (u < 0.0)),
                     .normalA = Dot(patch.normal, direction)};
  const double shortEdge = kShortEdgeRatio * scale;
  const double onLine = kOnEdgeLineRatio * scale;

  const std::size_t count = patch.edges.size();
  // Each vertex distance serves as the end of one edge and the start of the next.
  const double firstDistance = Length(point - patch.edges.front().start);
  double startDistance = firstDistance;
  for (std::size_t i = 0; i < count; ++i) {
    const PatchKernelData::Edge& edge = patch.edges[i];
    const double rb = i + 1 < count ? Length(point - patch.edges[i + 1].start) : firstDistance;
    const double ra = std::exchange(startDistance, rb);
    if (edge.length <= shortEdge) continue;
    const Vec3 fromStart = point - edge.start;
    const double f = Dot(fromStart, edge.across);
    const double k = -Dot(fromStart, edge.tangent);
    const double h = k + edge.length;
    if (rb - std::abs(h) <= onLine || ra - std::abs(k) <= onLine) {
      AddOnLineTerms(edge, obs, h, k, sum);
      continue;
    }
    AddEdgeTerms(edge, obs, f, h, k, rb, ra, sum);
  }
  return sum;
}

}  // namespace

PotentialAndField PatchPotentialField(const PatchKernelData& patch, const Vec3& point, double scale,
                                      const Vec3& direction) {
  const Vec3 fromCentre = point - patch.centre;
  const double distanceSquared = Dot(fromCentre, fromCentre);
  if (distanceSquared <= patch.farFieldDistanceSquared) return NearField(patch, point, scale, direction);
  const double distance = std::sqrt(distanceSquared);
  return {.field = patch.area * Dot(fromCentre, direction) / (distanceSquared * distance),
          .potential = patch.area / distance};
}

}  // namespace quor::numeric
