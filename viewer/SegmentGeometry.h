// Distances between points and segments, and the Newell vector of a
// polygon, as the plate triangulation needs them.
#pragma once

#include <span>

#include "viewer/Vec3.h"

namespace quor::viewer {

struct SegmentDirection {
  Vec3 unit;  // (0, 0, 0) for a segment of zero length
  double length = 0.0;
  int sign = 0;  // 1 for a segment of positive length, 0 for a point
};

double point_distance(const Vec3& a, const Vec3& b);

SegmentDirection segment_direction(const Vec3& a, const Vec3& b);

// Distance from p to the segment a-b, the projection clamped to the segment.
double point_segment_distance(const Vec3& p, const Vec3& a, const Vec3& b);

// Closest distance of the segments a-b and c-d. Segments whose directions are
// nearly parallel (1 - cos^2 below 0.00001) are measured at their end points.
double segment_segment_distance(const Vec3& a, const Vec3& b, const Vec3& c, const Vec3& d);

// Half the sum of the cross products of consecutive nodes (the last node
// joined to the first): the area-weighted normal of a planar polygon.
Vec3 NewellVector(std::span<const Vec3> nodes);

}  // namespace quor::viewer
