// Cuts one planar plate into triangles by ear clipping.
#pragma once

#include <span>

#include "tessmor/Point3.h"
#include "viewer/TriangleSink.h"

namespace quor::viewer {

// Sends the triangles of the plate to the sink. Fewer than 3 nodes give
// nothing; a plate that is degenerate (edges that share no node touch, no
// area) or not planar gives nothing; when no ear can be found the triangles
// found so far stay and the rest is not filled.
void draw_filled_polygon(std::span<const Point3> nodes, TriangleSink& sink);

}  // namespace quor::viewer
