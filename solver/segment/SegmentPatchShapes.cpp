#include "solver/segment/SegmentPatchShapes.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>

namespace quor::solver {

namespace {

// Mid-lines shorter than this, or closer than this angle, make no usable quadrilateral.
constexpr double kShortMidLine = 1e-7;
constexpr double kParallelMidLinesDegrees = 0.1;
// A quadrilateral with a skew measure at or below this is cut into triangles.
constexpr double kSkewedQuad = 0.00001;

Polygon Piece(std::initializer_list<Point3> vertices) {
  return Polygon(std::vector<Point3>(vertices));
}

}  // namespace

RaySegment MakeRaySegment(const Point3& a, const Point3& b) {
  const Point3 edge = b - a;
  const double edgeLength = edge.Length();
  return {
      .start = a, .end = b, .unit = edgeLength > 0.0 ? edge / edgeLength : Point3{}, .length = edgeLength};
}

std::array<double, 3> RayLineDistances(const Point3& p, const RaySegment& segment,
                                       const std::array<Point3, 3>& axes) {
  const Point3& e = segment.unit;
  const double r = Point3Dot(p - segment.start, e);
  Point3 nearest = segment.start + e * r;
  if (r < 0.0) nearest = segment.start;
  if (r > segment.length) nearest = segment.end;
  const Point3 w = nearest - p;
  const double length = w.Length();

  std::array<double, 3> distances{};
  for (std::size_t i = 0; i < axes.size(); ++i) {
    const Point3 cross = Point3Cross(axes[i], w);
    const double along = std::fabs(Point3Dot(axes[i], w));
    if (cross.x == 0.0 && cross.y == 0.0 && cross.z == 0.0) {
      distances[i] = length;
    } else if (along <= kRayAlongLine) {
      distances[i] = kRayNoMeeting;
    } else {
      distances[i] = length * length / along;
    }
  }
  return distances;
}

std::array<double, 3> RayLineDistances(const Point3& p, const Point3& a, const Point3& b,
                                       const std::array<Point3, 3>& axes) {
  return RayLineDistances(p, MakeRaySegment(a, b), axes);
}

double QuadSkewMeasure(const Point3& q0, const Point3& q1, const Point3& q2, const Point3& q3) {
  const Point3 a = ((q2 + q3) - (q0 + q1)) / 4.0;
  const Point3 b = ((q1 + q2) - (q0 + q3)) / 4.0;
  const Point3 c = (q0 - q1 + q2 - q3) / 4.0;
  const double lengthA = a.Length();
  const double lengthB = b.Length();
  if (lengthA <= kShortMidLine || lengthB <= kShortMidLine) return -100.0;
  const double cosine = std::clamp(Point3Dot(a, b) / (lengthA * lengthB), -1.0, 1.0);
  if (std::acos(cosine) * 180.0 / std::numbers::pi <= kParallelMidLinesDegrees) return -100.0;

  const Point3 axb = Point3Cross(a, b);
  const Point3 f = Point3Cross(b, axb).Unit();
  const Point3 g = Point3Cross(a, axb).Unit();
  const double k1 = std::fabs(Point3Dot(c, f) / Point3Dot(a, f));
  const double k2 = std::fabs(Point3Dot(c, g) / Point3Dot(b, g));
  return (1.0 - k1 - k2) / (k1 + k2 + 1.0);
}

std::vector<Polygon> SplitCellPolygon(const Polygon& cell) {
  const auto q = cell.Vertices();
  switch (cell.Count()) {
    case 4:
      if (QuadSkewMeasure(q[0], q[1], q[2], q[3]) > kSkewedQuad) return {Piece({q[0], q[1], q[2], q[3]})};
      return {Piece({q[0], q[1], q[2]}), Piece({q[2], q[3], q[0]})};
    case 5:
      if (QuadSkewMeasure(q[0], q[1], q[2], q[3]) > kSkewedQuad) {
        return {Piece({q[0], q[1], q[2], q[3]}), Piece({q[3], q[4], q[0]})};
      }
      return {Piece({q[0], q[1], q[2]}), Piece({q[2], q[3], q[4], q[0]})};
    case 6:
      return {Piece({q[0], q[1], q[2], q[3]}), Piece({q[3], q[4], q[5], q[0]})};
    default:
      return {};
  }
}

}  // namespace quor::solver
