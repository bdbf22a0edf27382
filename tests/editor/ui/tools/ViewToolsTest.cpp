// The view's set of tools: which tool is current, what choosing a tool does
// to the old and the new one, and the tool commands.
#include <gtest/gtest.h>

#include "ToolTestView.h"
#include "editor/ui/view/MouseFlags.h"

namespace quor::test {
namespace {

class ViewToolsTest : public ::testing::Test, public ToolTestView {};

TEST_F(ViewToolsTest, CommandsFindTheirToolsAndMakeThemCurrent) {
  for (const int id : {32830, 32909, 32832, 32831, 32853, 32829, 32828}) {
    tools.OnToolCommand(toolView, id);
    EXPECT_TRUE(tools.IsCurrent(id)) << id;
    EXPECT_EQ(Tool().GetCommandId(), id);
  }
  EXPECT_EQ(tools.FindTool(32776), nullptr);
  tools.OnToolCommand(toolView, 32776);
  EXPECT_TRUE(tools.IsCurrent(32828));
}

TEST_F(ViewToolsTest, ChoosingTheCurrentToolAgainAbandonsItsGesture) {
  tools.OnToolCommand(toolView, 32831);
  Tool().OnLButtonDown(toolView, MK_LBUTTON, GridPixel(1, 1));
  Tool().OnMouseMove(toolView, MK_LBUTTON, GridPixel(3, 3));
  tools.OnToolCommand(toolView, 32831);
  EXPECT_EQ(tools.Rectangle().GetState(), CRectangleTool::State::Idle);
  Tool().OnLButtonUp(toolView, 0, GridPixel(3, 3));
  EXPECT_EQ(PolygonCount(), 0);
}

TEST_F(ViewToolsTest, HintsThatMayChangeTheModelCancelTheCurrentTool) {
  tools.OnToolCommand(toolView, 32831);
  Tool().OnLButtonDown(toolView, MK_LBUTTON, GridPixel(1, 1));
  AddSquare(1000, 1000, 100, 0.0);
  EXPECT_EQ(tools.Rectangle().GetState(), CRectangleTool::State::Idle);
}

TEST_F(ViewToolsTest, TheOverlayIsPaintedLastByTheCurrentTool) {
  tools.OnToolCommand(toolView, 32832);
  Click(GridPixel(1, 1));
  Click(GridPixel(2, 1));
  RecordingDrawContext dc;
  view->OnDraw(dc);
  // The node squares of the polygon being drawn come after everything else.
  ASSERT_GE(dc.Calls().size(), 2u);
  const auto& last = dc.Calls().back();
  EXPECT_EQ(last.kind, RecordingDrawContext::Kind::Rectangle);
  const DevicePoint p = GridPixel(2, 1);
  EXPECT_LE(last.points[0].x, p.x);
  EXPECT_GE(last.points[1].x, p.x);
}

}  // namespace
}  // namespace quor::test
