// The Polyline tool: draws a new conductor polygon on the active layer node
// by node (press, drag, release). Releasing on the first node or the key C
// closes it, and the closed polygon becomes the selection.
#pragma once

#include "editor/model/Point3.h"
#include "editor/ui/tools/CTool.h"

namespace quor {

class CConductorPolygon;
class ViewCore;

class CPolylineTool : public CTool {
 public:
  static constexpr int kCommandId = 32832;
  enum class State { Idle = 0, Drawing = 2 };

  CPolylineTool();

  int GetCommandId() const override { return kCommandId; }
  void OnLButtonDown(ToolView& view, unsigned flags, DevicePoint point) override;
  void OnLButtonUp(ToolView& view, unsigned flags, DevicePoint point) override;
  void OnMouseMove(ToolView& view, unsigned flags, DevicePoint point) override;
  void OnKeyDown(ToolView& view, unsigned key, unsigned repeatCount, unsigned keyFlags) override;
  void OnKillFocus(ToolView& view) override;
  void OnSetCursor(ToolView& view) override;
  void Activate() override;
  // A polygon of fewer than 2 nodes is removed again; one of 2 or more stays open.
  void Cancel(ToolView& view) override;
  bool IsDrawing() const override { return state == State::Drawing; }
  // Cancel just before an undo, which goes back to before the polygon: a
  // polygon removed here files no undo step, so that redo cannot bring back
  // a polygon of one node.
  void CancelForUndo(ToolView& view);
  // The nodes placed so far.
  void DrawOverlay(ToolView& view, DrawContext& dc) override;

  State GetState() const { return state; }

 private:
  void Reset();
  void Abandon(ToolView& view, bool undoable);
  // The polygon still in the model: the tool may read and change it.
  bool IsPolygonAlive(const ViewCore& core) const;
  bool IsNearFirstNode(ToolView& view, const Point3& point) const;
  Point3 PlacedPoint(ToolView& view, DevicePoint pixel) const;
  // Closes the polygon, selects it and ends the drawing.
  void Close(ToolView& view);

  int cursor;
  int closeCursor;
  // Owned by the model: the copy the document added to the layer.
  CConductorPolygon* polygon = nullptr;
  State state = State::Idle;
  bool nearFirst = false;
  Point3 lastPoint;
  // The height of the layer that holds the polygon. Nodes take it, so a
  // change of the active layer while drawing cannot mix heights.
  double polygonZ = 0.0;
};

}  // namespace quor
