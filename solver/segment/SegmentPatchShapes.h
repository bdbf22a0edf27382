// The shape helpers of the segmentation: how far a cell centre is from an
// edge along each axis of the plate's frame, how skewed a quadrilateral is,
// and how a clipped cell with an outline corner in it is cut into patches.
#pragma once

#include <array>
#include <vector>

#include "tessmor/Polygon.h"

namespace quor::solver {

// Directional distances from p to the segment a-b, one per axis: with N the
// point of the segment nearest to p and w = N - p, the distance from p along
// the axis to the line through N perpendicular to w (|w| when the axis is
// parallel to w or p lies on the segment; 1e20 when the axis runs along
// that line).
std::array<double, 3> RayLineDistances(const Point3& p, const Point3& a, const Point3& b,
                                       const std::array<Point3, 3>& axes);

// Below this |axis . w| the axis runs along the perpendicular line and never meets it.
inline constexpr double kRayAlongLine = 0.0001;
inline constexpr double kRayNoMeeting = 1e20;

// What RayLineDistances derives from the segment alone, for repeated use.
struct RaySegment {
  Point3 start;
  Point3 end;
  Point3 unit;  // along the segment; zero for a zero-length one
  double length = 0.0;
};
RaySegment MakeRaySegment(const Point3& a, const Point3& b);
// The same distances as RayLineDistances(p, a, b, axes).
std::array<double, 3> RayLineDistances(const Point3& p, const RaySegment& segment,
                                       const std::array<Point3, 3>& axes);

// A shape measure of the quadrilateral q0 q1 q2 q3: 1 for a parallelogram,
// falling towards 0 and below as it degenerates into a triangle or bow-tie;
// -100 when its mid-lines are too short or nearly parallel.
double QuadSkewMeasure(const Point3& q0, const Point3& q1, const Point3& q2, const Point3& q3);

// Cuts a clipped cell of 4, 5 or 6 vertices, rotated to start at its outline
// corner, into one or two patches of 3 or 4 vertices; any other count gives none.
std::vector<Polygon> SplitCellPolygon(const Polygon& cell);

}  // namespace quor::solver
