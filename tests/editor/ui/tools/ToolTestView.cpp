#include "ToolTestView.h"

#include "editor/model/CLayer.h"
#include "editor/model/CStructure.h"
#include "editor/ui/view/MouseFlags.h"

namespace quor::test {

ToolTestView::ToolTestView() {
  host.cancelTool = [this] { tools.GetTool().Cancel(toolView); };
  host.cancelToolForUndo = [this] { tools.CancelForUndo(toolView); };
  host.drawToolOverlay = [this](DrawContext& dc) { tools.GetTool().DrawOverlay(toolView, dc); };
}

void ToolTestView::Drag(DevicePoint from, DevicePoint to, unsigned flags) {
  Tool().OnLButtonDown(toolView, flags | MK_LBUTTON, from);
  const DevicePoint middle{(from.x + to.x) / 2, (from.y + to.y) / 2};
  Tool().OnMouseMove(toolView, flags | MK_LBUTTON, middle);
  Tool().OnMouseMove(toolView, flags | MK_LBUTTON, to);
  Tool().OnLButtonUp(toolView, flags, to);
}

void ToolTestView::Click(DevicePoint point, unsigned flags) {
  Tool().OnLButtonDown(toolView, flags | MK_LBUTTON, point);
  Tool().OnLButtonUp(toolView, flags, point);
}

int ToolTestView::PolygonCount(double z) const {
  return Model().FindLayerByZ(z).GetShapeCount();
}

}  // namespace quor::test
