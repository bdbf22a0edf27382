// The square point markers of node editing and selection, drawn around a
// world point with a half size given in pixels.
#pragma once

#include "platform/draw/DrawContext.h"

struct Point3;

namespace quor {

class ViewMapping;

void DrawHandle(const Point3& point, const ViewMapping& view, DrawContext& dc, COLORREF penColour,
                COLORREF fillColour, int penWidth, int halfSize);

// The same square in exclusive-or with the inverted colour and no fill, so that
// drawing it twice erases it.
void DrawXorHandle(const Point3& point, const ViewMapping& view, DrawContext& dc, COLORREF colour,
                   int halfSize);

}  // namespace quor
