// The 3-vector of the structure model: a node of a polyline, a point under the
// cursor or a move delta, in internal units (0.01 mm).
#pragma once

#include "editor/model/Point2.h"

namespace quor {

class Archive;

struct Point3 {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;

  Point3() = default;
  Point3(double px, double py, double pz) : x(px), y(py), z(pz) {}
  Point3(const Point2& point, double pz) : x(point.x), y(point.y), z(pz) {}

  void Set(double px, double py, double pz);
  // Three 8-byte doubles x, y, z.
  void Serialize(Archive& ar);

  friend bool operator==(const Point3&, const Point3&) = default;
};

Point3 operator+(const Point3& a, const Point3& b);
Point3 operator-(const Point3& a, const Point3& b);
Point3 operator*(double factor, const Point3& a);

double Dot(const Point3& a, const Point3& b);
void Cross(Point3& out, const Point3& a, const Point3& b);
double Length(const Point3& a);
double Distance(const Point3& a, const Point3& b);
// Distance of v from the line through the origin along d; undefined (NaN)
// when d is the zero vector, which callers test first.
double DistanceFromLine(const Point3& d, const Point3& v);

}  // namespace quor
