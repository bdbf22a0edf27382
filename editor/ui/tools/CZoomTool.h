// The Zoom tool: a click zooms in about the point, a click with Shift held
// zooms out, and a drag of 11 pixels or more zooms to the dragged rectangle.
#pragma once

#include <array>

#include "editor/model/Point2.h"
#include "editor/ui/tools/CTool.h"

namespace quor {

class CZoomTool : public CTool {
 public:
  static constexpr int kCommandId = 32828;
  enum class State { ZoomIn = 0, ZoomOut = 1, Rectangle = 2 };

  CZoomTool();

  int GetCommandId() const override { return kCommandId; }
  void OnLButtonDown(ToolView& view, unsigned flags, DevicePoint point) override;
  void OnLButtonUp(ToolView& view, unsigned flags, DevicePoint point) override;
  void OnMouseMove(ToolView& view, unsigned flags, DevicePoint point) override;
  void OnKeyDown(ToolView& view, unsigned key, unsigned repeatCount, unsigned keyFlags) override;
  void OnKeyUp(ToolView& view, unsigned key, unsigned repeatCount, unsigned keyFlags) override;
  void OnSetCursor(ToolView& view) override;
  void Activate() override;

  State GetState() const { return state; }

 private:
  std::array<int, 3> cursors;
  State state = State::ZoomIn;
  DevicePoint pressPixel;
  Point2 anchor;
  Point2 lastPoint;
};

}  // namespace quor
