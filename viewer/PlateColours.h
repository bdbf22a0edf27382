// The colours of the plates: outlines by group, fills by group and by the
// way the plate faces.
#pragma once

#include <span>

#include "tessmor/Point3.h"

namespace quor::viewer {

struct Colour {
  float red = 0.0f;
  float green = 0.0f;
  float blue = 0.0f;
};

// j counts the groups from 1 to G; group G holds the dielectric interfaces.
Colour OutlineColour(int j, int groupCount);
Colour FillColour(int j, int groupCount, const Point3& unitNormal);

// The unit Newell normal of a plate; (0, 0, 1) when the plate has no area.
Point3 PlateNormal(std::span<const Point3> nodes);

}  // namespace quor::viewer
