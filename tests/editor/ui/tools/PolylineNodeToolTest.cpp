// The Polyline Node tool on a faked view: picking nodes, dragging them in
// one undo step with snapping, and Cancel putting them back.
#include <gtest/gtest.h>

#include <vector>

#include "ToolTestView.h"
#include "editor/model/CConductorPolygon.h"
#include "editor/model/CStructure.h"
#include "editor/ui/view/MouseFlags.h"

namespace quor::test {
namespace {

std::vector<Point3> Nodes(const CConductorPolygon& polygon) {
  return {polygon.GetNodes().begin(), polygon.GetNodes().end()};
}

DevicePoint Offset(DevicePoint p, int dx, int dy) {
  return {p.x + dx, p.y + dy};
}

// The square (254..762) selected under the Polyline Node tool.
class PolylineNodeToolTest : public ::testing::Test, public ToolTestView {
 protected:
  void SetUp() override {
    view->AddToSelection(square);
    tools.OnToolCommand(toolView, CPolylineNodeTool::kCommandId);
  }
  CConductorPolygon& Square() const { return *Model().FindLayerByZ(0.0).GetShapes().front(); }

  CConductorPolygon& square = AddSquare(254, 254, 508, 0.0);
};

TEST_F(PolylineNodeToolTest, CommandShowsNodesAndLeavingTheToolHidesThem) {
  EXPECT_EQ(view->GetNodeDisplay(), 1);
  tools.SetTool(toolView, tools.Select());
  EXPECT_EQ(view->GetNodeDisplay(), 0);
}

TEST_F(PolylineNodeToolTest, ClickPicksShiftClickAddsAndAPlainClickReplaces) {
  Click(Offset(GridPixel(1, 1), 2, -3));
  EXPECT_EQ(tools.PolylineNode().GetPickedCount(), 1);
  Click(GridPixel(3, 1), MK_SHIFT);
  EXPECT_EQ(tools.PolylineNode().GetPickedCount(), 2);
  Click(GridPixel(3, 3));
  EXPECT_EQ(tools.PolylineNode().GetPickedCount(), 1);
  // A click on an edge picks both its ends.
  Click(GridPixel(2, 1));
  EXPECT_EQ(tools.PolylineNode().GetPickedCount(), 2);
  RecordingDrawContext dc;
  view->OnDraw(dc);
  ASSERT_FALSE(dc.Calls().empty());
  EXPECT_EQ(dc.Calls().back().pen, (Pen{PenStyle::Solid, 2, 0x0000FF}));
}

TEST_F(PolylineNodeToolTest, NodeDragIsOneUndoStepAndSnapsThePickedNodesToTheGrid) {
  const std::size_t undo = document->UndoCount();
  services.hints.clear();
  // From the top right node 65 pixels right and 5 down: one grid step right.
  Drag(GridPixel(3, 3), Offset(GridPixel(3, 3), 65, 5));
  EXPECT_EQ(Nodes(Square())[2], (Point3{1016, 762, 0}));
  EXPECT_EQ(Nodes(Square())[0], (Point3{254, 254, 0}));
  EXPECT_EQ(document->UndoCount(), undo + 1);
  EXPECT_TRUE(document->modified);
  ASSERT_FALSE(services.hints.empty());
  EXPECT_EQ(services.hints.back().hint, UpdateHint::HintNodesEdited);
  document->Undo();
  EXPECT_EQ(Nodes(Square())[2], (Point3{762, 762, 0}));
}

TEST_F(PolylineNodeToolTest, DragInsideTheDeadZoneCommitsNothing) {
  const std::size_t undo = document->UndoCount();
  Drag(GridPixel(3, 3), Offset(GridPixel(3, 3), 2, 2));
  EXPECT_EQ(Nodes(Square())[2], (Point3{762, 762, 0}));
  EXPECT_EQ(document->UndoCount(), undo);
}

TEST_F(PolylineNodeToolTest, CancelMidDragPutsTheNodesBack) {
  const std::size_t undo = document->UndoCount();
  Click(GridPixel(2, 1));  // the bottom edge: both its nodes
  Tool().OnLButtonDown(toolView, MK_LBUTTON, GridPixel(1, 1));
  Tool().OnMouseMove(toolView, MK_LBUTTON, GridPixel(2, 0));
  EXPECT_EQ(Nodes(Square())[0], (Point3{508, 0, 0}));
  EXPECT_EQ(Nodes(Square())[1], (Point3{1016, 0, 0}));
  tools.SetTool(toolView, tools.Select());
  EXPECT_EQ(Nodes(Square())[0], (Point3{254, 254, 0}));
  EXPECT_EQ(Nodes(Square())[1], (Point3{762, 254, 0}));
  EXPECT_EQ(document->UndoCount(), undo);
}

TEST_F(PolylineNodeToolTest, RubberBandPicksTheNodesInside) {
  Drag(Offset(GridPixel(2, 4), 0, 0), Offset(GridPixel(4, 2), 0, 0));
  EXPECT_EQ(tools.PolylineNode().GetPickedCount(), 1);
  Drag(Offset(GridPixel(0, 2), 5, 0), Offset(GridPixel(4, 0), 0, -5), MK_SHIFT);
  EXPECT_EQ(tools.PolylineNode().GetPickedCount(), 3);
}

TEST_F(PolylineNodeToolTest, DragAfterTheSelectionWasMovedStartsFromWhereTheNodesAreNow) {
  Click(GridPixel(3, 3));
  view->GetSelection().Offset({254, 0, 0});
  Drag(GridPixel(4, 3), GridPixel(4, 4));
  // The whole square moved right first; the picked node then moved up alone.
  EXPECT_EQ(Nodes(Square()),
            (std::vector<Point3>{{508, 254, 0}, {1016, 254, 0}, {1016, 1016, 0}, {508, 762, 0}}));
}

TEST_F(PolylineNodeToolTest, DoubleClickOnAnotherObjectSelectsItAndDropsThePicks) {
  CConductorPolygon& other = AddSquare(1524, 1524, 254, 0.0);
  view->AddToSelection(*Model().FindLayerByZ(0.0).GetShapes().front());
  Click(GridPixel(3, 3));
  Tool().OnLButtonDblClk(toolView, 0, GridPixel(6, 6) /* inside the other square */);
  EXPECT_EQ(view->GetSelection().GetObjects(), (std::vector<CShape*>{&other}));
  EXPECT_EQ(tools.PolylineNode().GetPickedCount(), 0);
}

TEST_F(PolylineNodeToolTest, PicksOfNodesTheirPolygonNoLongerHoldsAreNeitherDrawnNorPutBack) {
  Click(GridPixel(3, 3));
  // The Polygon dialog rebuilds a polygon from its rows: every node is a new one.
  const std::vector<Point3> nodes = Nodes(Square());
  Square().Reset();
  for (const Point3& node : nodes) Square().AddNode(node);
  RecordingDrawContext dc;
  Tool().DrawOverlay(toolView, dc);
  EXPECT_TRUE(dc.Calls().empty());
  tools.SetTool(toolView, tools.Select());
  EXPECT_EQ(Nodes(Square()), nodes);
}

}  // namespace
}  // namespace quor::test
