// A counted array of polygons, such as the outline of a plate with its holes.
#pragma once

#include <vector>

#include "tessmor/Polygon.h"

namespace quor::solver {

using PolygonList = std::vector<Polygon>;

}  // namespace quor::solver
