// Joining two coplanar polygons that share part of an edge into one outline.
#pragma once

#include "tessmor/Tessmor.h"

class Polygon;

namespace quor::solver {

// On Merged, a holds the union (counter-clockwise seen from +z, without
// collinear vertices). Either polygon may be re-oriented in place whatever
// the result. k is the distance within which points coincide.
MergeResult MergeOutlines(Polygon& a, Polygon& b, double k);

}  // namespace quor::solver
