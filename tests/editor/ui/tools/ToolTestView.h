// The editing tools on a view core whose window is faked (ViewTestProject):
// the view's tool calls reach the tools, exclusive-or figures are recorded,
// and so are the cursor, the status text and the Properties command. Grid
// lines lie 254 units (60 pixels) apart, so that pixel (20 + 60 i, 620 - 60 j)
// is the grid point (254 i, 254 j).
#pragma once

#include <string>

#include "ViewTestProject.h"
#include "editor/ui/tools/ToolView.h"
#include "editor/ui/tools/ViewTools.h"
#include "platform/draw/RecordingDrawContext.h"

namespace quor::test {

class FakeToolView : public ToolView {
 public:
  explicit FakeToolView(ViewCore& core) : m_core(core) {}

  ViewCore& Core() override { return m_core; }
  void DrawXor(const std::function<void(DrawContext&)>& figure) override { figure(xorFigures); }
  void SetCursor(int cursorId) override { cursor = cursorId; }
  void SetMessageText(const std::string& text) override { messageText = text; }
  void OnProperties() override { ++properties; }

  RecordingDrawContext xorFigures;
  int cursor = 0;
  std::string messageText;
  int properties = 0;

 private:
  ViewCore& m_core;
};

struct ToolTestView : ViewTestProject {
  ToolTestView();

  // The client pixel of the grid point (254 i, 254 j).
  static DevicePoint GridPixel(int i, int j) { return {20 + 60 * i, 620 - 60 * j}; }
  // A press, moves through the points and a release at the last one, as the
  // view passes them to the current tool.
  void Drag(DevicePoint from, DevicePoint to, unsigned flags = 0);
  void Click(DevicePoint point, unsigned flags = 0);
  CTool& Tool() { return tools.GetTool(); }
  // Polygons on the layer at z.
  int PolygonCount(double z = 0.0) const;

  FakeToolView toolView{*view};
  ViewTools tools;
};

}  // namespace quor::test
