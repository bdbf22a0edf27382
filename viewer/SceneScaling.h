// Fits the plates of a listing into the viewer's view box.
#pragma once

#include "viewer/PlateStore.h"

namespace quor::viewer {

struct SceneExtents {
  float clipHeight = 0.0f;  // H, the largest clip height
  float axisX = 1.0f;
  float axisY = 1.0f;
  float axisZ = 1.0f;
};

// Centres every node and scales it by 10 / D, D the diagonal of the x-y
// extent (1 when that is empty), and returns the extents derived from it.
SceneExtents ScaleIntoViewBox(PlateStore& store);

}  // namespace quor::viewer
