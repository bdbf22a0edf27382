// Where an imported drawing lies in its project: the footprint from the
// frame polylines (or around the drawing when it has none), and the drawing
// moved so that the footprint starts at the origin.
#pragma once

#include "editor/ui/dxfimport/DxfDrawing.h"

namespace quor {

struct DxfFootprint {
  double width = 0.0;   // along x, in drawing units
  double height = 0.0;  // along y
};

// Moves every polygon node and via centre by the footprint's lower left
// corner. Throws TextError when the drawing leaves the footprint, when the
// footprint has no area, and when the drawing has fewer than 1 or more than
// 10 layers.
DxfFootprint PlaceInFootprint(DxfDrawing& drawing);

}  // namespace quor
