// The Pan and Zoom tools on a faked view: they change only the view, never
// the model.
#include <gtest/gtest.h>

#include "ToolTestView.h"
#include "editor/ui/CursorArt.h"
#include "editor/ui/view/MouseFlags.h"
#include "platform/win/WinTypes.h"

namespace quor::test {
namespace {

class NavigationToolsTest : public ::testing::Test, public ToolTestView {
 protected:
  void SetUp() override { tools.SetTool(toolView, tools.Zoom()); }
};

TEST_F(NavigationToolsTest, PanFollowsTheHandAndStopsAtScrollPositionZero) {
  tools.SetTool(toolView, tools.Pan());
  view->ZoomIn({420, 320});
  view->ScrollTo({100, 80});
  Tool().OnSetCursor(toolView);
  EXPECT_EQ(toolView.cursor, cursor::kOpenHand);
  Tool().OnLButtonDown(toolView, MK_LBUTTON, {300, 300});
  EXPECT_EQ(toolView.cursor, cursor::kClosedHand);
  Tool().OnMouseMove(toolView, MK_LBUTTON, {310, 295});
  EXPECT_EQ(view->GetScrollBars().position, (DevicePoint{90, 85}));
  // Far past the top-left edge: both positions stop at 0.
  Tool().OnMouseMove(toolView, MK_LBUTTON, {700, 600});
  EXPECT_EQ(view->GetScrollBars().position, (DevicePoint{0, 0}));
  Tool().OnLButtonUp(toolView, 0, {700, 600});
  EXPECT_EQ(toolView.cursor, cursor::kOpenHand);
  // Without the button the view stays.
  view->ScrollTo({50, 50});
  Tool().OnMouseMove(toolView, 0, {0, 0});
  EXPECT_EQ(view->GetScrollBars().position, (DevicePoint{50, 50}));
}

TEST_F(NavigationToolsTest, ClickZoomsInAndShiftClickZoomsOut) {
  Click({320, 320});
  EXPECT_FLOAT_EQ(view->GetZoom(), 2.0f);
  Tool().OnKeyDown(toolView, win::VK_SHIFT, 1, 0);
  // The cursor changes at once, before the mouse moves.
  EXPECT_EQ(toolView.cursor, cursor::kZoomOut);
  Click({320, 320}, MK_SHIFT);
  EXPECT_FLOAT_EQ(view->GetZoom(), 1.0f);
  Tool().OnKeyUp(toolView, win::VK_SHIFT, 1, 0);
  EXPECT_EQ(toolView.cursor, cursor::kZoomIn);
  EXPECT_EQ(tools.Zoom().GetState(), CZoomTool::State::ZoomIn);
}

TEST_F(NavigationToolsTest, DragOfTenPixelsIsAClickAndOfElevenARectangleZoom) {
  Drag({300, 300}, {310, 310});
  EXPECT_FLOAT_EQ(view->GetZoom(), 2.0f);
  EXPECT_TRUE(toolView.xorFigures.Calls().empty());

  view->ZoomAll();
  Drag({100, 100}, {100 + 11, 100 + 4});
  // A strip 11 by 4 pixels: zoomed to fit its width, far beyond one step.
  EXPECT_GT(view->GetZoom(), 16.0f - 1e-3f);
  EXPECT_FALSE(toolView.xorFigures.Calls().empty());
  EXPECT_EQ(toolView.xorFigures.Calls().back().pen.colour, 0xFFFF00u);
  EXPECT_EQ(tools.Zoom().GetState(), CZoomTool::State::ZoomIn);

  view->ZoomAll();
  Drag({120, 120}, {420, 420});
  // 300 pixels square fit to the client's height, 640 - 1 pixels.
  EXPECT_NEAR(view->GetZoom(), 639.0f / 300.0f, 1e-3f);
}

TEST_F(NavigationToolsTest, ZoomStaysWithinItsLimits) {
  for (int i = 0; i < 12; ++i) Click({320, 320});
  EXPECT_FLOAT_EQ(view->GetZoom(), 16.0f);
  Tool().OnKeyDown(toolView, win::VK_SHIFT, 1, 0);
  for (int i = 0; i < 20; ++i) Click({320, 320}, MK_SHIFT);
  EXPECT_FLOAT_EQ(view->GetZoom(), 0.1f);
  // A zero-size rectangle changes nothing.
  Tool().OnKeyUp(toolView, win::VK_SHIFT, 1, 0);
  Tool().OnLButtonDown(toolView, MK_LBUTTON, {300, 300});
  Tool().OnMouseMove(toolView, MK_LBUTTON, {300, 330});
  Tool().OnMouseMove(toolView, MK_LBUTTON, {300, 300});
  Tool().OnLButtonUp(toolView, 0, {300, 300});
  EXPECT_FLOAT_EQ(view->GetZoom(), 0.1f);
}

TEST_F(NavigationToolsTest, LeavingTheZoomToolWithShiftHeldKeepsZoomOutUntilActivated) {
  Tool().OnKeyDown(toolView, win::VK_SHIFT, 1, 0);
  tools.SetTool(toolView, tools.Pan());
  EXPECT_EQ(tools.Zoom().GetState(), CZoomTool::State::ZoomOut);
  tools.SetTool(toolView, tools.Zoom());
  EXPECT_EQ(tools.Zoom().GetState(), CZoomTool::State::ZoomIn);
}

}  // namespace
}  // namespace quor::test
