#include "editor/model/Point3.h"

#include <cmath>

#include "platform/archive/Archive.h"

namespace quor {

void Point3::Set(double px, double py, double pz) {
  x = px;
  y = py;
  z = pz;
}

void Point3::Serialize(Archive& ar) {
  ar.Transfer(x);
  ar.Transfer(y);
  ar.Transfer(z);
}

Point3 operator+(const Point3& a, const Point3& b) {
  return {a.x + b.x, a.y + b.y, a.z + b.z};
}

Point3 operator-(const Point3& a, const Point3& b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}

Point3 operator*(double factor, const Point3& a) {
  return {factor * a.x, factor * a.y, factor * a.z};
}

double Dot(const Point3& a, const Point3& b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}

void Cross(Point3& out, const Point3& a, const Point3& b) {
  out = {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

double Length(const Point3& a) {
  return std::sqrt(Dot(a, a));
}

double Distance(const Point3& a, const Point3& b) {
  return Length(a - b);
}

double DistanceFromLine(const Point3& d, const Point3& v) {
  return Length(v - (Dot(d, v) / Dot(d, d)) * d);
}

}  // namespace quor
