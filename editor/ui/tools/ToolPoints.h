// Where a tool's pointer lies in the world: the client point converted at
// the view's mapping, snapped to the grid where the tool places things.
#pragma once

#include "editor/model/Point2.h"
#include "editor/model/Point3.h"
#include "platform/draw/DrawContext.h"

namespace quor {

class ToolView;

Point2 WorldPoint(ToolView& view, DevicePoint point);
// The world point snapped to the grid (unchanged while snapping is off).
Point2 SnappedPoint(ToolView& view, DevicePoint point);
// The world point at the active layer's height.
Point3 PointOnActiveLayer(ToolView& view, const Point2& point);

}  // namespace quor
