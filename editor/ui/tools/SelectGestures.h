// What the Select and Polyline Node tools share: the modifier test, the
// dead zone that a drag must leave, and the status text of the object under
// the idle pointer.
#pragma once

#include "editor/model/Point2.h"
#include "platform/draw/DrawContext.h"

namespace quor {

class ToolView;

// Shift or Ctrl held: a click adds to what is selected.
bool AddsToSelection(unsigned flags);
// A drag starts once the pointer leaves the 3-pixel square about the press.
bool IsInDeadZone(DevicePoint press, DevicePoint point);
// The description of the object under the point, else "Ready".
void ShowObjectUnder(ToolView& view, const Point2& point);

}  // namespace quor
