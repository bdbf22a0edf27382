// A counted array of polygons, such as the outline of a plate with its holes.
#pragma once

#include <vector>

#include "tessmor/Polygon.h"

using PolygonList = std::vector<Polygon>;
