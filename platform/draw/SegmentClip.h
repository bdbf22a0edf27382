// Cutting a straight segment to an axis-parallel box (Liang-Barsky), in
// double, for drawing code that must not map or walk what lies far outside.
#pragma once

namespace quor {

struct ClipBox {
  double minX = 0.0;
  double minY = 0.0;
  double maxX = 0.0;
  double maxY = 0.0;
};

// Moves the ends of the segment from (x0, y0) to (x1, y1) onto the box where
// it crosses the box's sides; false when none of the segment is inside.
bool ClipSegment(const ClipBox& box, double& x0, double& y0, double& x1, double& y1);

}  // namespace quor
