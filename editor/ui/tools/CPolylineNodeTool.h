// The Polyline Node tool: picks nodes of the selected polygons (by click,
// Shift-click, an edge's two ends, or a rubber band) and drags the picked
// nodes together, snapping their common box to the grid; one drag is one
// undo step, and Cancel puts the nodes back.
#pragma once

#include <vector>

#include "editor/model/Point2.h"
#include "editor/model/Point3.h"
#include "editor/ui/tools/CTool.h"

namespace quor {

class CConductorPolygon;

class CPolylineNodeTool : public CTool {
 public:
  static constexpr int kCommandId = 32909;
  enum class State { Idle = 0, Selecting = 1, Moving = 2 };

  CPolylineNodeTool();

  int GetCommandId() const override { return kCommandId; }
  void OnLButtonDblClk(ToolView& view, unsigned flags, DevicePoint point) override;
  void OnLButtonDown(ToolView& view, unsigned flags, DevicePoint point) override;
  void OnLButtonUp(ToolView& view, unsigned flags, DevicePoint point) override;
  void OnMouseMove(ToolView& view, unsigned flags, DevicePoint point) override;
  void OnSetCursor(ToolView& view) override;
  void Activate() override;
  // Mid-drag, the picked nodes go back to where the drag started.
  void Cancel(ToolView& view) override;
  // Leaves node display.
  void Deactivate(ToolView& view) override;
  // A square on every picked node.
  void DrawOverlay(ToolView& view, DrawContext& dc) override;

  State GetState() const { return state; }
  int GetPickedCount() const { return static_cast<int>(pickedNodes.size()); }

 private:
  // A node belongs to a polygon of the model; writing to it is safe only
  // while the model still holds that polygon and the polygon that node.
  struct PickedNode {
    Point3* node;
    const CConductorPolygon* polygon;
  };

  void Pick(ToolView& view, Point3* node);
  void ClearPicks();
  bool IsPicked(const Point3* node) const;
  // The picked nodes are still their polygons', and the polygons the model's.
  bool PicksAlive(ToolView& view) const;
  void MoveNodes(ToolView& view, const Point2& p);
  // The drag starts from the nodes' positions now, whatever moved them since they were picked.
  void SavePositions();

  bool moved = false;
  State state = State::Idle;
  int cursor;
  Point2 lastPoint;
  Point2 anchor;
  DevicePoint pressPixel;
  std::vector<PickedNode> pickedNodes;
  std::vector<Point3> savedPositions;
};

}  // namespace quor
