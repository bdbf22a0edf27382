#include "editor/document/DrawColorSwatch.h"

namespace quor {

namespace {

constexpr int kSwatchSize = 9;

}  // namespace

void DrawColorSwatch(DrawContext& dc, const DeviceRect& rect, COLORREF inner, COLORREF background) {
  dc.FillRect(rect, Brush{BrushStyle::Solid, background});
  // The same inset on both sides keeps the square centred; integer division
  // leaves it one pixel larger when the spare room is odd.
  const int dx = (rect.right - rect.left - kSwatchSize) / 2;
  const int dy = (rect.bottom - rect.top - kSwatchSize) / 2;
  const ScopedPen frame(dc, Pen{PenStyle::Solid, 1, Rgb(0, 0, 0)});
  const ScopedBrush fill(dc, Brush{BrushStyle::Solid, inner});
  dc.Rectangle(DeviceRect{rect.left + dx, rect.top + dy, rect.right - dx, rect.bottom - dy});
}

}  // namespace quor
