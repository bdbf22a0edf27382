#include "solver/PointLocation.h"

#include <cmath>
#include <numbers>

#include "solver/AngleSum.h"
#include "tessmor/Polygon.h"

namespace quor::solver {
namespace {

// Points farther than this (internal units) off a polygon's plane are outside it.
constexpr double kPlaneDistance = 0.01;
// Winding numbers within this of 1 count as inside.
constexpr double kWindingSlack = 0.01;
// Angle sums (in units of pi) at or below this are nothing, above it at least an edge's worth.
constexpr double kNoAngle = 0.0001;
// Probe points for overlap lie this far (relative to the edge) on either side of each edge.
constexpr double kProbeOffset = 1e-6;

bool OnPlane(const Point3& p, std::span<const Point3> outline, const Point3& normal) {
  return outline.size() >= 3 && std::fabs(Point3Dot(p - outline.front(), normal)) < kPlaneDistance;
}

double PlaneAngleSum(const Point3& p, const Polygon& polygon, const Point3& normal, double t,
                     bool roundTinySines) {
  if (!OnPlane(p, polygon.Vertices(), normal)) return 0.0;
  return quor::solver::AngleSum(p, polygon.Vertices(), normal, t, roundTinySines);
}

double WindingClass(const Point3& p, const Polygon& polygon, const Point3& normal, double t) {
  const double sum = PlaneAngleSum(p, polygon, normal, t, true);
  const double winding = std::fabs(sum / (2.0 * std::numbers::pi));
  if (winding > 1.0 - kWindingSlack && winding < 1.0 + kWindingSlack) return 1.0;
  if (winding < 1.0 - kWindingSlack && std::fabs(sum / std::numbers::pi) > kNoAngle) return 0.5;
  if (winding > 1.0 + kWindingSlack) return 2.0;
  return 0.0;
}

}  // namespace

double PointInPolygon(const Point3& p, const Polygon& polygon, double t) {
  return WindingClass(p, polygon, polygon.UnitNormal(), t);
}

bool PointInRegion(const Point3& p, std::span<const Polygon> polygons, double t) {
  if (polygons.empty()) return false;
  for (std::size_t i = 0; i < polygons.size(); ++i) {
    const Polygon& polygon = polygons[i];
    const double sum = PlaneAngleSum(p, polygon, polygon.UnitNormal(), t, false);
    const bool seen = std::fabs(sum / std::numbers::pi) > kNoAngle;
    if (seen != (i == 0)) return false;
  }
  return true;
}

bool AllVerticesInside(const Polygon& outer, const Polygon& inner, double t) {
  const Point3 normal = outer.UnitNormal();
  for (const Point3& v : inner.Vertices()) {
    if (WindingClass(v, outer, normal, t) == 0.0) return false;
  }
  return true;
}

Containment ClassifyContainment(const Polygon& outer, const Polygon& inner, double t) {
  const Point3 normal = outer.UnitNormal();
  bool anyInside = false;
  bool anyOutside = false;
  for (const Point3& v : inner.Vertices()) {
    const double where = WindingClass(v, outer, normal, t);
    anyInside = anyInside || where == 1.0;
    anyOutside = anyOutside || where == 0.0;
  }
  if (!anyInside) return Containment::None;
  return anyOutside ? Containment::Partly : Containment::Wholly;
}

bool IsReentrantOutline(const Polygon& polygon) {
  const Point3 normal = polygon.UnitNormal();
  const auto vertices = polygon.Vertices();
  for (std::size_t i = 0; i < vertices.size(); ++i) {
    const Point3& from = vertices[i];
    const Point3& to = vertices[(i + 1) % vertices.size()];
    const Point3 edge = to - from;
    const double offset = edge.Length() * kProbeOffset;
    const Point3 middle = (from + to) / 2.0;
    const Point3 side = Point3Cross(normal, edge.Unit()).Unit() * offset;
    if (WindingClass(middle + side, polygon, normal, offset) == 2.0 ||
        WindingClass(middle - side, polygon, normal, offset) == 2.0) {
      return true;
    }
  }
  return false;
}

}  // namespace quor::solver
