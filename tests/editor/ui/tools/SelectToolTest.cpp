// The Select tool on a faked view: clicks, rubber bands, moves with their
// dead zone and snapping, corner-handle resizes, double clicks and the status
// text, each checked against the selection, the model and the undo list.
#include <gtest/gtest.h>

#include <vector>

#include "ToolTestView.h"
#include "editor/model/CConductorPolygon.h"
#include "editor/model/CStructure.h"
#include "editor/model/CVia.h"
#include "editor/ui/CursorArt.h"
#include "editor/ui/view/MouseFlags.h"

namespace quor::test {
namespace {

std::vector<Point3> Nodes(const CConductorPolygon& polygon) {
  return {polygon.GetNodes().begin(), polygon.GetNodes().end()};
}

void ExpectNear(const Point3& actual, const Point3& expected) {
  EXPECT_NEAR(actual.x, expected.x, 1e-9);
  EXPECT_NEAR(actual.y, expected.y, 1e-9);
  EXPECT_NEAR(actual.z, expected.z, 1e-9);
}

DevicePoint Offset(DevicePoint p, int dx, int dy) {
  return {p.x + dx, p.y + dy};
}

// Two squares side by side: (254..762) and (1270..1524) on both axes.
class SelectToolTest : public ::testing::Test, public ToolTestView {
 protected:
  CConductorPolygon& big = AddSquare(254, 254, 508, 0.0);
  CConductorPolygon& small = AddSquare(1270, 1270, 254, 0.0);
  std::vector<CShape*> Selected() const { return view->GetSelection().GetObjects(); }
};

TEST_F(SelectToolTest, ClickSelectsShiftClickAddsAndAClickOnEmptySpaceClears) {
  Click(GridPixel(2, 2));
  EXPECT_EQ(Selected(), (std::vector<CShape*>{&big}));
  Click(GridPixel(5, 5));
  EXPECT_EQ(Selected(), (std::vector<CShape*>{&small}));
  Click(GridPixel(2, 2), MK_SHIFT);
  Click(GridPixel(2, 2), MK_CONTROL);
  EXPECT_EQ(Selected(), (std::vector<CShape*>{&small, &big}));
  // A click on a selected object keeps the whole selection.
  Click(GridPixel(2, 2));
  EXPECT_EQ(Selected().size(), 2u);
  Click(GridPixel(8, 8));
  EXPECT_TRUE(Selected().empty());
  EXPECT_EQ(tools.Select().GetState(), CSelectTool::State::Idle);
}

TEST_F(SelectToolTest, RubberBandPicksExactlyTheObjectsInsideAndShiftAddsToTheSelection) {
  // Around the big square only; the small one sticks out of the band.
  Drag(Offset(GridPixel(1, 1), -5, 5), Offset(GridPixel(5, 5), 30, -30));
  EXPECT_EQ(Selected(), (std::vector<CShape*>{&big}));
  EXPECT_FALSE(toolView.xorFigures.Calls().empty());
  Drag(Offset(GridPixel(5, 5), -5, 5), Offset(GridPixel(6, 6), 5, -5));
  EXPECT_EQ(Selected(), (std::vector<CShape*>{&small}));
  Drag(Offset(GridPixel(1, 1), -5, 5), Offset(GridPixel(3, 3), 5, -5), MK_SHIFT);
  EXPECT_EQ(Selected(), (std::vector<CShape*>{&small, &big}));
}

TEST_F(SelectToolTest, DragInsideTheDeadZoneMovesNothingAndALongerOneMovesBySnappedDelta) {
  const std::size_t undo = document->UndoCount();
  Drag(GridPixel(2, 2), Offset(GridPixel(2, 2), 2, -2));
  EXPECT_EQ(Nodes(big).front(), (Point3{254, 254, 0}));
  EXPECT_EQ(document->UndoCount(), undo);

  // 65 pixels right, 55 up: with snapping the box lands on the grid, one step over.
  Drag(GridPixel(2, 2), Offset(GridPixel(2, 2), 65, -55));
  ExpectNear(Nodes(big).front(), {508, 508, 0});
  EXPECT_EQ(document->UndoCount(), undo + 1);
  EXPECT_EQ(Nodes(small).front(), (Point3{1270, 1270, 0}));

  view->SetSnapToGrid(false);
  const Point2 from = view->ScreenToWorld(GridPixel(3, 3));
  const Point2 to = view->ScreenToWorld(Offset(GridPixel(3, 3), 7, 4));
  Drag(GridPixel(3, 3), Offset(GridPixel(3, 3), 7, 4));
  EXPECT_NEAR(Nodes(big).front().x, 508 + (to.x - from.x), 1e-9);
  EXPECT_NEAR(Nodes(big).front().y, 508 + (to.y - from.y), 1e-9);
  document->Undo();
  ExpectNear(Nodes(*Model().FindLayerByZ(0.0).GetShapes().front()).front(), {508, 508, 0});
}

TEST_F(SelectToolTest, DragFromOneOfTwoSelectedObjectsMovesBothInOneUndoStep) {
  Click(GridPixel(2, 2));
  Click(GridPixel(5, 5), MK_CONTROL);
  const std::size_t undo = document->UndoCount();
  // Shift held at the press keeps the selection too.
  Drag(GridPixel(5, 5), GridPixel(6, 4), MK_SHIFT);
  ExpectNear(Nodes(big).front(), {508, 0, 0});
  ExpectNear(Nodes(small).front(), {1524, 1016, 0});
  EXPECT_EQ(document->UndoCount(), undo + 1);
}

TEST_F(SelectToolTest, CornerHandleScalesAboutTheOppositeCornerInOneUndoStep) {
  Click(GridPixel(2, 2));
  const std::size_t undo = document->UndoCount();
  // Handle 7 (bottom right) stands 10 pixels outside the box's corner.
  const DevicePoint handle = Offset(GridPixel(3, 1), 10, 10);
  Tool().OnLButtonDown(toolView, MK_LBUTTON, handle);
  EXPECT_EQ(tools.Select().GetState(), CSelectTool::State::Resizing);
  Tool().OnSetCursor(toolView);
  EXPECT_EQ(toolView.cursor, system_cursor::IDC_SIZENWSE);
  Tool().OnMouseMove(toolView, MK_LBUTTON, Offset(handle, 60, 60));
  Tool().OnLButtonUp(toolView, 0, Offset(handle, 60, 60));
  const CConductorPolygon& scaled = *Model().FindLayerByZ(0.0).GetShapes().front();
  EXPECT_EQ(Nodes(scaled), (std::vector<Point3>{{254, 0, 0}, {1016, 0, 0}, {1016, 762, 0}, {254, 762, 0}}));
  EXPECT_EQ(document->UndoCount(), undo + 1);
}

TEST_F(SelectToolTest, CornerDraggedPastTheFixedCornerResizesNothing) {
  Click(GridPixel(2, 2));
  const std::size_t undo = document->UndoCount();
  // Handle 4 (top left) dragged far beyond the bottom right corner.
  Drag(Offset(GridPixel(1, 3), -10, -10), Offset(GridPixel(6, 0), 0, 0));
  EXPECT_EQ(Nodes(big).front(), (Point3{254, 254, 0}));
  EXPECT_EQ(document->UndoCount(), undo);
}

TEST_F(SelectToolTest, NoHandleWithTwoObjectsOrAViaSelected) {
  Click(GridPixel(2, 2));
  Click(GridPixel(5, 5), MK_SHIFT);
  // The handle's place is empty space: a band starts instead.
  Tool().OnLButtonDown(toolView, MK_LBUTTON, Offset(GridPixel(3, 1), 10, 10));
  EXPECT_EQ(tools.Select().GetState(), CSelectTool::State::Selecting);
  Tool().OnLButtonUp(toolView, 0, Offset(GridPixel(3, 1), 10, 10));

  CVia& via = AddVia(2032, 508, 0.0);
  view->AddToSelection(via);
  Tool().OnLButtonDown(toolView, MK_LBUTTON, Offset(view->WorldToScreen({2032 + 10, 508 - 10}), 10, 10));
  EXPECT_NE(tools.Select().GetState(), CSelectTool::State::Resizing);
}

TEST_F(SelectToolTest, DoubleClickOpensPropertiesOfTheObjectAloneAndOnEmptySpaceClears) {
  Click(GridPixel(5, 5));
  Tool().OnLButtonDblClk(toolView, 0, GridPixel(2, 2));
  EXPECT_EQ(toolView.properties, 1);
  EXPECT_EQ(Selected(), (std::vector<CShape*>{&big}));
  // With Shift no dialog, and a selected object is not listed twice.
  Tool().OnLButtonDblClk(toolView, MK_SHIFT, GridPixel(2, 2));
  Tool().OnLButtonDblClk(toolView, MK_SHIFT, GridPixel(5, 5));
  EXPECT_EQ(Selected(), (std::vector<CShape*>{&big, &small}));
  EXPECT_EQ(toolView.properties, 1);
  Tool().OnLButtonDblClk(toolView, 0, GridPixel(8, 8));
  EXPECT_TRUE(Selected().empty());
  EXPECT_EQ(toolView.properties, 1);
}

TEST_F(SelectToolTest, IdlePointerDescribesTheObjectUnderIt) {
  Tool().OnMouseMove(toolView, 0, GridPixel(2, 2));
  EXPECT_EQ(toolView.messageText, big.GetDescription(document->GetSettings()));
  EXPECT_NE(toolView.messageText, "Ready");
  Tool().OnMouseMove(toolView, 0, GridPixel(8, 8));
  EXPECT_EQ(toolView.messageText, "Ready");
}

TEST_F(SelectToolTest, CancelMidDragEndsTheGestureWithoutAChange) {
  const std::size_t undo = document->UndoCount();
  Tool().OnLButtonDown(toolView, MK_LBUTTON, GridPixel(2, 2));
  Tool().OnMouseMove(toolView, MK_LBUTTON, GridPixel(4, 4));
  tools.SetTool(toolView, tools.Select());
  Tool().OnLButtonUp(toolView, 0, GridPixel(4, 4));
  EXPECT_EQ(Nodes(big).front(), (Point3{254, 254, 0}));
  EXPECT_EQ(document->UndoCount(), undo);
}

}  // namespace
}  // namespace quor::test
