#include "editor/ui/tools/CPanTool.h"

#include "editor/ui/CursorArt.h"
#include "editor/ui/tools/ToolView.h"
#include "editor/ui/view/ViewCore.h"

namespace quor {

CPanTool::CPanTool() : openHandCursor(cursor::kOpenHand), closedHandCursor(cursor::kClosedHand) {}

void CPanTool::OnLButtonDown(ToolView& view, unsigned, DevicePoint point) {
  lastPixel = point;
  dragging = true;
  OnSetCursor(view);
}

void CPanTool::OnMouseMove(ToolView& view, unsigned, DevicePoint point) {
  if (!dragging) return;
  // Scroll positions stop at 0: the drawing cannot be pulled past its top-left edge.
  view.Core().PanBy(point.x - lastPixel.x, point.y - lastPixel.y);
  lastPixel = point;
}

void CPanTool::OnLButtonUp(ToolView& view, unsigned, DevicePoint) {
  dragging = false;
  OnSetCursor(view);
}

void CPanTool::OnSetCursor(ToolView& view) {
  SetFlaggedCursor(view, dragging, openHandCursor, closedHandCursor);
}

void CPanTool::Activate() {
  dragging = false;
}

}  // namespace quor
