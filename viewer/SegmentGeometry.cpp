#include "viewer/SegmentGeometry.h"

#include <algorithm>

namespace quor::viewer {

namespace {

// Below this 1 - cos^2 the closest points of the two lines are ill-defined.
constexpr double kParallelSine2 = 0.00001;

double EndPointDistance(const Vec3& a, const Vec3& b, const Vec3& c, const Vec3& d) {
  return std::min({point_segment_distance(a, c, d), point_segment_distance(b, c, d),
                   point_segment_distance(c, a, b), point_segment_distance(d, a, b)});
}

}  // namespace

double point_distance(const Vec3& a, const Vec3& b) {
  return Length(b - a);
}

SegmentDirection segment_direction(const Vec3& a, const Vec3& b) {
  const Vec3 d = b - a;
  const double length = Length(d);
  if (length <= 0.0) return {};
  return {(1.0 / length) * d, length, 1};
}

double point_segment_distance(const Vec3& p, const Vec3& a, const Vec3& b) {
  const SegmentDirection dir = segment_direction(a, b);
  if (dir.sign == 0) return point_distance(p, a);
  const double t = std::clamp(Dot(p - a, dir.unit), 0.0, dir.length);
  return point_distance(p, a + t * dir.unit);
}

double segment_segment_distance(const Vec3& a, const Vec3& b, const Vec3& c, const Vec3& d) {
  const SegmentDirection u = segment_direction(a, b);
  const SegmentDirection v = segment_direction(c, d);
  if (u.sign == 0 || v.sign == 0) return EndPointDistance(a, b, c, d);
  const double cosine = Dot(u.unit, v.unit);
  const double sine2 = 1.0 - cosine * cosine;
  if (sine2 < kParallelSine2) return EndPointDistance(a, b, c, d);
  // Closest points of the two infinite lines, as distances along each.
  const Vec3 w = a - c;
  const double du = Dot(u.unit, w);
  const double dv = Dot(v.unit, w);
  const double s = (cosine * dv - du) / sine2;
  const double t = (dv - cosine * du) / sine2;
  if (s < 0.0 || s > u.length || t < 0.0 || t > v.length) return EndPointDistance(a, b, c, d);
  return point_distance(a + s * u.unit, c + t * v.unit);
}

Vec3 NewellVector(std::span<const Vec3> nodes) {
  Vec3 sum;
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    sum = sum + Cross(nodes[i], nodes[(i + 1) % nodes.size()]);
  }
  return 0.5 * sum;
}

}  // namespace quor::viewer
