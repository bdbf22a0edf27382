#include "editor/ui/tools/ToolPoints.h"

#include "editor/ui/tools/ToolView.h"
#include "editor/ui/view/ViewCore.h"

namespace quor {

Point2 WorldPoint(ToolView& view, DevicePoint point) {
  return view.Core().ScreenToWorld(point);
}

Point2 SnappedPoint(ToolView& view, DevicePoint point) {
  const ViewCore& core = view.Core();
  return core.SnapPoint(core.ScreenToWorld(point));
}

Point3 PointOnActiveLayer(ToolView& view, const Point2& point) {
  return Point3(point, view.Core().GetActiveZ());
}

}  // namespace quor
