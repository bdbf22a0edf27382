#include "solver/SegmentGeometry.h"

#include <algorithm>
#include <cmath>

namespace quor::solver {
namespace {

// Directions whose cross product is shorter than this are parallel.
constexpr double kParallelCross = 1e-6;
// How far beyond its ends (relative to its length) a segment still meets another.
constexpr double kEndSlack = 0.0001;
// Unit directions with 1 - cos^2 below this are parallel for the distance.
constexpr double kParallelSine2 = 1e-5;

bool WithinSegment(double parameter) {
  return parameter >= -kEndSlack && parameter <= 1.0 + kEndSlack;
}

double EndPointDistance(const Point3& a0, const Point3& a1, const Point3& b0, const Point3& b1) {
  return std::min({PointSegmentDistance(a0, b0, b1), PointSegmentDistance(a1, b0, b1),
                   PointSegmentDistance(b0, a0, a1), PointSegmentDistance(b1, a0, a1)});
}

// Parallel segments: the distance between their lines where their projections
// overlap, else between the nearest end points.
double ParallelDistance(const Point3& a0, const Point3& a1, const Point3& b0, const Point3& b1,
                        const Point3& u) {
  const double length = (a1 - a0).Length();
  const double t0 = Point3Dot(b0 - a0, u);
  const double t1 = Point3Dot(b1 - a0, u);
  if (std::max(std::min(t0, t1), 0.0) > std::min(std::max(t0, t1), length)) {
    return std::min({(a0 - b0).Length(), (a0 - b1).Length(), (a1 - b0).Length(), (a1 - b1).Length()});
  }
  const Point3 offset = b0 - a0;
  return (offset - u * Point3Dot(offset, u)).Length();
}

}  // namespace

std::optional<Point3> IntersectSegments(const Point3& d1, const Point3& d2, const Point3& p1,
                                        const Point3& p2) {
  const Point3 n = Point3Cross(d1, d2);
  if (n.Length() < kParallelCross) return std::nullopt;
  const Point3 normal = n.Unit();
  const Point3 q = Point3Cross(normal, d1).Unit();
  const Point3 r = Point3Cross(normal, d2).Unit();
  const double u = Point3Dot(p2 - p1, r) / Point3Dot(r, d1);
  if (!WithinSegment(u)) return std::nullopt;
  const double v = Point3Dot(p1 - p2, q) / Point3Dot(q, d2);
  if (!WithinSegment(v)) return std::nullopt;
  return p1 + d1 * u;
}

double PointSegmentDistance(const Point3& p, const Point3& a, const Point3& b) {
  const Point3 e = (b - a).Unit();
  const double g = Point3Dot(p - a, e);
  if (g <= 0.0) return (p - a).Length();
  if (g >= (b - a).Length()) return (p - b).Length();
  return ((p - a) - e * g).Length();
}

double SegmentDistance(const Point3& a0, const Point3& a1, const Point3& b0, const Point3& b1) {
  const double lengthA = (a1 - a0).Length();
  const double lengthB = (b1 - b0).Length();
  if (lengthA == 0.0 || lengthB == 0.0) return EndPointDistance(a0, a1, b0, b1);
  const Point3 u = (a1 - a0) / lengthA;
  const Point3 v = (b1 - b0) / lengthB;
  const double cosine = Point3Dot(u, v);
  const double sine2 = 1.0 - cosine * cosine;
  if (sine2 < kParallelSine2) return ParallelDistance(a0, a1, b0, b1, u);

  // Closest points of the two lines, as distances along u and v.
  const Point3 w = a0 - b0;
  const double d = Point3Dot(u, w);
  const double e = Point3Dot(v, w);
  const double s = (cosine * e - d) / sine2;
  const double t = (e - cosine * d) / sine2;
  if (s >= 0.0 && s <= lengthA && t >= 0.0 && t <= lengthB) return (w + u * s - v * t).Length();
  return EndPointDistance(a0, a1, b0, b1);
}

}  // namespace quor::solver
