#include "editor/model/Point3.h"

#include "platform/archive/Archive.h"

namespace quor {

void SerializePoint(Archive& ar, Point3& point) {
  ar.Transfer(point.x);
  ar.Transfer(point.y);
  ar.Transfer(point.z);
}

double Dot(const Point3& a, const Point3& b) {
  return Point3Dot(a, b);
}

void Cross(Point3& out, const Point3& a, const Point3& b) {
  out = Point3Cross(a, b);
}

double Length(const Point3& a) {
  return a.Length();
}

double Distance(const Point3& a, const Point3& b) {
  return Length(a - b);
}

double DistanceFromLine(const Point3& d, const Point3& v) {
  return Length(v - (Dot(d, v) / Dot(d, d)) * d);
}

}  // namespace quor
