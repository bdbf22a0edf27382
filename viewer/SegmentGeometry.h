// Distances between points and segments, and the Newell vector of a
// polygon, as the plate triangulation needs them.
#pragma once

#include <span>

#include "tessmor/Point3.h"

namespace quor::viewer {

struct SegmentDirection {
  Point3 unit;  // (0, 0, 0) for a segment of zero length
  double length = 0.0;
  int sign = 0;  // 1 for a segment of positive length, 0 for a point
};

double point_distance(const Point3& a, const Point3& b);

SegmentDirection segment_direction(const Point3& a, const Point3& b);

// Distance from p to the segment a-b, the projection clamped to the segment.
double point_segment_distance(const Point3& p, const Point3& a, const Point3& b);

// Closest distance of the segments a-b and c-d. Segments whose directions are
// nearly parallel (1 - cos^2 below 0.00001) are measured at their end points.
double segment_segment_distance(const Point3& a, const Point3& b, const Point3& c, const Point3& d);

// Half the sum of the cross products of consecutive nodes (the last node
// joined to the first): the area-weighted normal of a planar polygon.
Point3 NewellVector(std::span<const Point3> nodes);

}  // namespace quor::viewer
