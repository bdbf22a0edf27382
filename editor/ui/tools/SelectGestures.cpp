#include "editor/ui/tools/SelectGestures.h"

#include <cstdlib>
#include <string>

#include "editor/document/ProjectDocument.h"
#include "editor/model/CShape.h"
#include "editor/ui/tools/ToolPoints.h"
#include "editor/ui/tools/ToolView.h"
#include "editor/ui/view/MouseFlags.h"
#include "editor/ui/view/ViewCore.h"

namespace quor {

namespace {

constexpr int kDeadZone = 3;

}  // namespace

bool AddsToSelection(unsigned flags) {
  return (flags & (MK_SHIFT | MK_CONTROL)) != 0;
}

bool IsInDeadZone(DevicePoint press, DevicePoint point) {
  return std::abs(point.x - press.x) < kDeadZone && std::abs(point.y - press.y) < kDeadZone;
}

void ShowObjectUnder(ToolView& view, const Point2& point) {
  const ViewCore& core = view.Core();
  const CShape* hit = core.HitTest(PointOnActiveLayer(view, point));
  const ProjectDocument* document = core.GetDocument();
  view.SetMessageText(hit != nullptr && document != nullptr ? hit->GetDescription(document->GetSettings())
                                                            : std::string("Ready"));
}

}  // namespace quor
