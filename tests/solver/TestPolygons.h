// Outlines the solver tests build their cases from.
#pragma once

#include <initializer_list>
#include <vector>

#include "tessmor/Polygon.h"

inline Polygon MakePolygon(std::initializer_list<Point3> vertices) {
  return Polygon(std::vector<Point3>(vertices));
}

// Counter-clockwise seen from +z, first corner at (x, y).
inline Polygon Square(double x, double y, double side, double z = 0.0) {
  return MakePolygon({{x, y, z}, {x + side, y, z}, {x + side, y + side, z}, {x, y + side, z}});
}

inline Polygon ClockwiseSquare(double x, double y, double side, double z = 0.0) {
  return MakePolygon({{x, y, z}, {x, y + side, z}, {x + side, y + side, z}, {x + side, y, z}});
}
