// Reads the parts of a DXF drawing that the import uses: the layer table's
// colours, the LWPOLYLINE entities (the layer "frame" gives the footprint,
// every other layer a project layer) and the CIRCLE entities on the layer
// "via". An entity that lacks what it needs is dropped without a word.
#pragma once

#include <istream>

#include "editor/ui/dxfimport/DxfDrawing.h"

namespace quor {

// Lines may end with CR LF or LF; numbers are read in the classic "C" form.
DxfDrawing ReadDxfDrawing(std::istream& in);

}  // namespace quor
