// The colours of the DXF colour numbers 0..255, as the import gives them to
// the layers of a drawing.
#pragma once

#include "platform/draw/DrawContext.h"

namespace quor {

// Numbers outside 0..255 give black.
COLORREF DxfColourPalette(int colourNumber);

}  // namespace quor
