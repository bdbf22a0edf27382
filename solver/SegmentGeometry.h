// Where segments meet and how far they are apart, in three dimensions.
#pragma once

#include <optional>

#include "tessmor/Point3.h"

namespace quor::solver {

// The segments p1 + u d1 and p2 + v d2 (u, v in 0..1): the point where they
// meet, or nothing when they are parallel or miss each other. Meeting just
// beyond an end point (by 0.0001 of the segment) still counts, so segments
// that share an end point meet.
std::optional<Point3> IntersectSegments(const Point3& d1, const Point3& d2, const Point3& p1,
                                        const Point3& p2);

double PointSegmentDistance(const Point3& p, const Point3& a, const Point3& b);

// The shortest distance between the closed segments a0-a1 and b0-b1.
double SegmentDistance(const Point3& a0, const Point3& a1, const Point3& b0, const Point3& b1);

}  // namespace quor::solver
