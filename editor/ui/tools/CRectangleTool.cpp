#include "editor/ui/tools/CRectangleTool.h"

#include "editor/document/ProjectDocument.h"
#include "editor/model/CConductorPolygon.h"
#include "editor/ui/CursorArt.h"
#include "editor/ui/tools/ToolPoints.h"
#include "editor/ui/tools/ToolView.h"
#include "editor/ui/tools/XorFigures.h"
#include "editor/ui/view/ViewCore.h"

namespace quor {

CRectangleTool::CRectangleTool() : cursor(cursor::kRectangle) {}

void CRectangleTool::OnLButtonDown(ToolView& view, unsigned, DevicePoint point) {
  state = State::Dragging;
  anchor = lastPoint = SnappedPoint(view, point);
}

void CRectangleTool::OnMouseMove(ToolView& view, unsigned, DevicePoint point) {
  if (state != State::Dragging) return;
  const Point2 q = SnappedPoint(view, point);
  if (q == lastPoint) return;
  MoveXorRect(view, kXorBlue, anchor, lastPoint, q);
  lastPoint = q;
}

void CRectangleTool::OnLButtonUp(ToolView& view, unsigned, DevicePoint point) {
  if (state != State::Dragging) return;
  state = State::Idle;
  ViewCore& core = view.Core();
  const Point2 q = SnappedPoint(view, point);
  ProjectDocument* document = core.GetDocument();
  if (q.x == anchor.x || q.y == anchor.y || document == nullptr) {
    // No rectangle: only the band goes.
    core.Repaint();
    return;
  }
  const double z = core.GetActiveZ();
  CConductorPolygon rectangle;
  rectangle.AddNode({anchor.x, anchor.y, z});
  rectangle.AddNode({anchor.x, q.y, z});
  rectangle.AddNode({q.x, q.y, z});
  rectangle.AddNode({q.x, anchor.y, z});
  rectangle.SetClosed(true);
  CConductorPolygon& added = document->AddObjectCopyAt(z, rectangle);
  if (!core.IsSelected(&added)) core.AddToSelection(added);
  core.Repaint();
}

void CRectangleTool::OnSetCursor(ToolView& view) {
  view.SetCursor(cursor);
}

void CRectangleTool::Activate() {
  state = State::Idle;
}

void CRectangleTool::Cancel(ToolView& view) {
  if (state == State::Idle) return;
  state = State::Idle;
  // The band is on the picture only; painting anew takes it away.
  view.Core().Repaint();
}

}  // namespace quor
