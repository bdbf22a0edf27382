// Cutting a polygon that lies wholly inside another out of it, as one keyhole
// outline: a conductor with a hole stored as a single polygon.
#pragma once

#include <cstdint>
#include <span>

#include "tessmor/Point3.h"
#include "tessmor/Tessmor.h"

class Polygon;

namespace quor::solver {

// Whichever of a and b has the larger area is the outer polygon. On Done, out
// holds count = n_outer + n_inner + 2 vertices: from an outer vertex across the
// shortest bridge, once around the hole (clockwise seen from +z), back across
// the bridge and once around the outer boundary (counter-clockwise). On
// OutputTooSmall, count is the number needed and out is untouched; on the
// other results neither is touched. t is the vertex-coincidence tolerance.
SubtractResult KeyholeSubtract(const Polygon& a, const Polygon& b, std::span<Point3> out, std::int32_t& count,
                               double t);

}  // namespace quor::solver
