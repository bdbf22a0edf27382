#include "editor/ui/tools/CViaTool.h"

#include <array>

#include "editor/document/ProjectDocument.h"
#include "editor/ui/CursorArt.h"
#include "editor/ui/tools/ToolPoints.h"
#include "editor/ui/tools/ToolView.h"
#include "editor/ui/tools/XorFigures.h"
#include "editor/ui/view/ViewCore.h"

namespace quor {

CViaTool::CViaTool() : cursor(cursor::kVia) {}

void CViaTool::OnLButtonDown(ToolView& view, unsigned, DevicePoint pixel) {
  point = SnappedPoint(view, pixel);
  DrawXorCross(view, kXorBlue, point);
  state = State::Dragging;
}

void CViaTool::OnMouseMove(ToolView& view, unsigned, DevicePoint pixel) {
  if (state != State::Dragging) return;
  const Point2 q = SnappedPoint(view, pixel);
  if (q == point) return;
  DrawXorCross(view, kXorBlue, point);
  DrawXorCross(view, kXorBlue, q);
  point = q;
}

void CViaTool::OnLButtonUp(ToolView& view, unsigned, DevicePoint pixel) {
  if (state != State::Dragging) return;
  state = State::Dialog;
  point = SnappedPoint(view, pixel);
  ViewCore& core = view.Core();
  // The moving cross gives way to the overlay's while the dialog is open.
  core.Repaint();
  if (ProjectDocument* document = core.GetDocument()) {
    const Point2 centre = point;
    document->NewVia(core, &centre);
  }
  state = State::Idle;
  core.Repaint();
}

void CViaTool::OnSetCursor(ToolView& view) {
  view.SetCursor(cursor);
}

void CViaTool::Activate() {
  state = State::Idle;
}

void CViaTool::Cancel(ToolView& view) {
  if (state == State::Idle) return;
  state = State::Idle;
  view.Core().Repaint();
}

void CViaTool::DrawOverlay(ToolView& view, DrawContext& dc) {
  if (state != State::Dialog) return;
  const DevicePoint p = view.Core().WorldToScreen(point);
  const ScopedPen blue(dc, Pen{PenStyle::Solid, 0, kXorBlue});
  const std::array<DevicePoint, 2> rising{DevicePoint{p.x - 3, p.y + 3}, DevicePoint{p.x + 4, p.y - 4}};
  const std::array<DevicePoint, 2> falling{DevicePoint{p.x + 3, p.y + 3}, DevicePoint{p.x - 4, p.y - 4}};
  dc.Polyline(rising);
  dc.Polyline(falling);
}

}  // namespace quor
