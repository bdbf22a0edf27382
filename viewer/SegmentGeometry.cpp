#include "viewer/SegmentGeometry.h"

#include <algorithm>

namespace quor::viewer {

namespace {

// Below this 1 - cos^2 the closest points of the two lines are ill-defined.
constexpr double kParallelSine2 = 0.00001;

double EndPointDistance(const Point3& a, const Point3& b, const Point3& c, const Point3& d) {
  return std::min({point_segment_distance(a, c, d), point_segment_distance(b, c, d),
                   point_segment_distance(c, a, b), point_segment_distance(d, a, b)});
}

}  // namespace

double point_distance(const Point3& a, const Point3& b) {
  return (b - a).Length();
}

SegmentDirection segment_direction(const Point3& a, const Point3& b) {
  const Point3 d = b - a;
  const double length = d.Length();
  if (length <= 0.0) return {};
  return {(1.0 / length) * d, length, 1};
}

double point_segment_distance(const Point3& p, const Point3& a, const Point3& b) {
  const SegmentDirection dir = segment_direction(a, b);
  if (dir.sign == 0) return point_distance(p, a);
  const double t = std::clamp(Point3Dot(p - a, dir.unit), 0.0, dir.length);
  return point_distance(p, a + t * dir.unit);
}

double segment_segment_distance(const Point3& a, const Point3& b, const Point3& c, const Point3& d) {
  const SegmentDirection u = segment_direction(a, b);
  const SegmentDirection v = segment_direction(c, d);
  if (u.sign == 0 || v.sign == 0) return EndPointDistance(a, b, c, d);
  const double cosine = Point3Dot(u.unit, v.unit);
  const double sine2 = 1.0 - cosine * cosine;
  if (sine2 < kParallelSine2) return EndPointDistance(a, b, c, d);
  // Closest points of the two infinite lines, as distances along each.
  const Point3 w = a - c;
  const double du = Point3Dot(u.unit, w);
  const double dv = Point3Dot(v.unit, w);
  const double s = (cosine * dv - du) / sine2;
  const double t = (dv - cosine * du) / sine2;
  if (s < 0.0 || s > u.length || t < 0.0 || t > v.length) return EndPointDistance(a, b, c, d);
  return point_distance(a + s * u.unit, c + t * v.unit);
}

Point3 NewellVector(std::span<const Point3> nodes) {
  Point3 sum;
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    sum = sum + Point3Cross(nodes[i], nodes[(i + 1) % nodes.size()]);
  }
  return 0.5 * sum;
}

}  // namespace quor::viewer
