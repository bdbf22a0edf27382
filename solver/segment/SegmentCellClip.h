// Clipping one grid cell against a plate outline with holes.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "tessmor/Polygon.h"

namespace quor::solver {

struct SegmentCellClip {
  // The part of the cell inside the plate, counter-clockwise like the cell.
  std::vector<Point3> points;
  // Index in points of the outline corner that lies inside the cell, -1 when
  // none was taken; at most one is remembered (the last one met).
  std::int32_t insertedCorner = -1;
};

// Walks the cell's corners in order, keeping the inside corners and, on every
// cell edge whose end corners lie on different sides, the first outline edge
// crossing it (with that outline edge's end vertex when it lies in the cell).
// Points closer than tol to the point kept before them are not kept.
SegmentCellClip ClipCell(const std::array<Point3, 4>& corners, const std::array<bool, 4>& inside,
                         std::span<const Polygon> outline, double tol);

}  // namespace quor::solver
