// Where points and polygons lie with respect to planar polygons, by the sum of
// the angles under which the edges are seen. t is the vertex-coincidence
// tolerance: a point closer than t to a vertex skips the two edges at it.
#pragma once

#include <span>

#include "tessmor/Point3.h"

class Polygon;

namespace quor::solver {

// 0 outside (or off the polygon's plane by 0.01 or more), 0.5 on the
// boundary, 1 inside, 2 wound around more than once.
double PointInPolygon(const Point3& p, const Polygon& polygon, double t);

// Inside the first polygon and outside every further one (the holes).
bool PointInRegion(const Point3& p, std::span<const Polygon> polygons, double t);

// No vertex of inner lies outside outer; vertices on outer's boundary count as inside.
bool AllVerticesInside(const Polygon& outer, const Polygon& inner, double t);

// How inner's vertices lie in outer. Vertices on the boundary, or wound twice,
// count neither way, so a polygon against itself is None.
enum class Containment { None = 0, Partly = 1, Wholly = 2 };
Containment ClassifyContainment(const Polygon& outer, const Polygon& inner, double t);

// True when the outline overlaps itself: some region is wound twice.
bool IsReentrantOutline(const Polygon& polygon);

}  // namespace quor::solver
