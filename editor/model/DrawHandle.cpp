#include "editor/model/DrawHandle.h"

#include "editor/model/Point3.h"
#include "editor/model/ViewMapping.h"

namespace quor {

namespace {

DeviceRect HandleRect(const Point3& point, const ViewMapping& view, int halfSize) {
  const double h = view.PixelsToUnits(halfSize);
  return view.WorldRectToScreen(DoubleRect{point.y + h, point.y - h, point.x - h, point.x + h});
}

}  // namespace

void DrawHandle(const Point3& point, const ViewMapping& view, DrawContext& dc, COLORREF penColour,
                COLORREF fillColour, int penWidth, int halfSize) {
  const ScopedPen pen(dc, Pen{PenStyle::Solid, penWidth, penColour});
  const ScopedBrush brush(dc, Brush{BrushStyle::Solid, fillColour});
  dc.Rectangle(HandleRect(point, view, halfSize));
}

void DrawXorHandle(const Point3& point, const ViewMapping& view, DrawContext& dc, COLORREF colour,
                   int halfSize) {
  const ScopedRasterOp op(dc, RasterOp::XorPen);
  const ScopedPen pen(dc, Pen{PenStyle::Solid, 0, colour ^ 0xFFFFFFu});
  const ScopedBrush brush(dc, Brush{BrushStyle::Hollow, 0});
  dc.Rectangle(HandleRect(point, view, halfSize));
}

}  // namespace quor
