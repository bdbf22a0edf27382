// The pictures of the bars: layer colour swatches and the image lists of the
// Layers window and the project tree.
#pragma once

#include <wx/bitmap.h>

#include "platform/draw/DrawContext.h"

namespace quor {

// A framed square of `colour` centred on `background`.
wxBitmap SwatchBitmap(COLORREF colour, COLORREF background, int width, int height);
// The Layers window's cell images: 0 locked, 1 unlocked, 2 visible, 3 hidden.
wxBitmap LayerStateBitmap(int image);
// The project tree's item images: 0 "Layers", 1 "Vias", 2 layer, 3 via, 4 polygon.
wxBitmap TreeItemBitmap(int image);
// The window colour of the system, as the swatches' background.
COLORREF WindowColour();

}  // namespace quor
