// The layer colour swatch of the layer lists, the project tree, the info bar
// and the colour buttons: a small framed square of the layer's colour centred
// on a background.
#pragma once

#include "platform/draw/DrawContext.h"

namespace quor {

// The square is 9 pixels (10 when the rectangle's extra size is odd), with a
// 1-pixel black frame; the previous pen and brush stay selected afterwards.
void DrawColorSwatch(DrawContext& dc, const DeviceRect& rect, COLORREF inner, COLORREF background);

}  // namespace quor
