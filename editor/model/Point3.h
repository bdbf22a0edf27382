// The 3-vector of the structure model: a node of a polyline, a point under the
// cursor or a move delta, in internal units (0.01 mm). It is the computation
// library's own vector, so that nodes pass to it as they are.
#pragma once

#include <tessmor/Point3.h>

#include "editor/model/Point2.h"

namespace quor {

class Archive;

using Point3 = ::Point3;

// The point of the plane at height z.
inline Point3 At(const Point2& point, double z) {
  return {point.x, point.y, z};
}

// Three 8-byte doubles x, y, z.
void SerializePoint(Archive& ar, Point3& point);

double Dot(const Point3& a, const Point3& b);
void Cross(Point3& out, const Point3& a, const Point3& b);
double Length(const Point3& a);
double Distance(const Point3& a, const Point3& b);
// Distance of v from the line through the origin along d; undefined (NaN)
// when d is the zero vector, which callers test first.
double DistanceFromLine(const Point3& d, const Point3& v);

}  // namespace quor
