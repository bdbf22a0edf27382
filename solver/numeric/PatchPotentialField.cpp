// Closed-form patch integrals as a sum over the outline's edges, with a
// point-charge form far away.
#include "solver/numeric/PatchPotentialField.h"

#include <cmath>
#include <utility>

namespace quor::numeric {

namespace {

// Everything about the observation point that does not depend on the edge.
struct Observer {
  Vec3 direction;
  double u;        // signed height above the patch plane
  double height;   // |u|
  double side;     // sign of u: −1, 0 or 1
  double normalA;  // normal · direction
};

// The potential term of one edge whose observation point is off the edge's
// line, and the intermediate quantities the field terms share with it.
// Symbols: f across the edge, h and k along it to the end and start vertex,
// rb and ra the distances to them.
struct EdgePotential {
  double hb;  // h + rb
  double ka;  // k + ra
  double logRatio;
  double yb;
  double ya;
  double xb;
  double xa;
  double angle;
  double term;  // what the edge adds to the potential
};

EdgePotential EdgePotentialTerms(double u, double height, double f, double h, double k, double rb,
                                 double ra) {
  EdgePotential e{};
  const double offLine = u * u + f * f;
  // h + rb and k + ra without cancellation where the point lies behind the vertex.
  e.hb = h > 0.0 ? h + rb : offLine / (rb - h);
  e.ka = k > 0.0 ? k + ra : offLine / (ra - k);
  e.logRatio = std::log(e.ka / e.hb);
  e.yb = h * f;
  e.ya = k * f;
  e.xb = offLine + rb * height;
  e.xa = offLine + ra * height;
  // Both angles lie in (−π/2, π/2) because xb, xa > 0, so one atan2 gives their difference.
  e.angle = std::atan2(e.yb * e.xa - e.xb * e.ya, e.xb * e.xa + e.yb * e.ya);
  e.term = height * e.angle + f * e.logRatio;
  return e;
}

// The field terms of one edge whose observation point is off the edge's line.
void AddEdgeTerms(const PatchKernelData::Edge& edge, const Observer& obs, double f, double h, double k,
                  double rb, double ra, PotentialAndField& sum) {
  const double u = obs.u;
  const double height = obs.height;
  const EdgePotential e = EdgePotentialTerms(u, height, f, h, k, rb, ra);
  sum.potential += e.term;
  const double hb = e.hb;
  const double ka = e.ka;
  const double logRatio = e.logRatio;
  const double yb = e.yb;
  const double ya = e.ya;
  const double xb = e.xb;
  const double xa = e.xa;
  const double angle = e.angle;

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

// The geometry of one edge as seen from the observation point.
struct EdgeView {
  const PatchKernelData::Edge& edge;
  double f;
  double h;
  double k;
  double rb;
  double ra;
  bool onLine;  // the point lies on the edge's line, outside the edge or on it
};

// Calls visit(EdgeView) for every edge that is not a sliver, in outline order.
template <class Visit>
void VisitEdges(const PatchKernelData& patch, const Vec3& point, double scale, Visit visit) {
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
    visit(EdgeView{.edge = edge,
                   .f = f,
                   .h = h,
                   .k = k,
                   .rb = rb,
                   .ra = ra,
                   .onLine = rb - std::abs(h) <= onLine || ra - std::abs(k) <= onLine});
  }
}

}  // namespace

PotentialAndField NearPotentialField(const PatchKernelData& patch, const Vec3& point, double scale,
                                     const Vec3& direction) {
  PotentialAndField sum;
  if (patch.edges.empty()) return sum;
  const double u = Dot(point - patch.edges.front().start, patch.normal);
  const Observer obs{.direction = direction,
                     .u = u,
                     .height = std::abs(u),
                     .side = static_cast<double>((u > 0.0) - (u < 0.0)),
                     .normalA = Dot(patch.normal, direction)};
  VisitEdges(patch, point, scale, [&](const EdgeView& e) {
    if (e.onLine) {
      AddOnLineTerms(e.edge, obs, e.h, e.k, sum);
    } else {
      AddEdgeTerms(e.edge, obs, e.f, e.h, e.k, e.rb, e.ra, sum);
    }
  });
  return sum;
}

double NearPotential(const PatchKernelData& patch, const Vec3& point, double scale) {
  double potential = 0.0;
  if (patch.edges.empty()) return potential;
  const double u = Dot(point - patch.edges.front().start, patch.normal);
  const double height = std::abs(u);
  VisitEdges(patch, point, scale, [&](const EdgeView& e) {
    if (!e.onLine) potential += EdgePotentialTerms(u, height, e.f, e.h, e.k, e.rb, e.ra).term;
  });
  return potential;
}

PotentialAndField PatchPotentialField(const PatchKernelData& patch, const Vec3& point, double scale,
                                      const Vec3& direction) {
  const Vec3 fromCentre = point - patch.centre;
  const double distanceSquared = Dot(fromCentre, fromCentre);
  if (distanceSquared <= patch.farFieldDistanceSquared)
    return NearPotentialField(patch, point, scale, direction);
  const double distance = std::sqrt(distanceSquared);
  return {.field = patch.area * Dot(fromCentre, direction) / (distanceSquared * distance),
          .potential = patch.area / distance};
}

double PatchPotential(const PatchKernelData& patch, const Vec3& point, double scale) {
  const Vec3 fromCentre = point - patch.centre;
  const double distanceSquared = Dot(fromCentre, fromCentre);
  if (distanceSquared <= patch.farFieldDistanceSquared) return NearPotential(patch, point, scale);
  return patch.area / std::sqrt(distanceSquared);
}

}  // namespace quor::numeric
