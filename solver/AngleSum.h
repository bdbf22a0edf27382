// The angle under which the edges of an outline are seen from a point: the
// rule behind the point-in-polygon tests and the choice of a re-entrant
// outline's normal.
#pragma once

#include <span>

#include "tessmor/Point3.h"

namespace quor::solver {

// Signed angle (-pi..pi) under which the edge from p + a to p + b is seen
// from p, positive when it turns counter-clockwise about n. With
// roundTinySines, sines below 1e-10 count as 0, so that a point on the
// edge's line gets exactly nothing from it.
double EdgeAngle(const Point3& a, const Point3& b, const Point3& n, bool roundTinySines);

// The sum of EdgeAngle over the edges of the closed outline, skipping every
// edge with an end point closer to p than t (or at p itself): 2 pi times the
// winding number for a point inside, pi on an edge, 0 outside.
double AngleSum(const Point3& p, std::span<const Point3> outline, const Point3& n, double t,
                bool roundTinySines);

}  // namespace quor::solver
