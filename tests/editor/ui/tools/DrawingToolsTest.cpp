// The Rectangle, Via and Polyline tools on a faked view: what each gesture
// adds to the model, in how many undo steps, and what a cancelled or
// abandoned gesture leaves behind.
#include <gtest/gtest.h>

#include <iterator>
#include <vector>

#include "ToolTestView.h"
#include "editor/model/CConductorPolygon.h"
#include "editor/model/CLayer.h"
#include "editor/model/CStructure.h"
#include "editor/model/CVia.h"
#include "editor/ui/CursorArt.h"
#include "editor/ui/view/MouseFlags.h"

namespace quor::test {
namespace {

std::vector<Point3> Nodes(const CConductorPolygon& polygon) {
  return {polygon.GetNodes().begin(), polygon.GetNodes().end()};
}

class DrawingToolsTest : public ::testing::Test, public ToolTestView {
 protected:
  CConductorPolygon& OnlyPolygon() { return *Model().FindLayerByZ(0.0).GetShapes().front(); }
  void Choose(CTool& tool) { tools.SetTool(toolView, tool); }
  // Presses and releases at each point, with a move between, as a user places nodes.
  void PlaceNodes(std::initializer_list<DevicePoint> points) {
    for (const DevicePoint point : points) {
      Tool().OnMouseMove(toolView, 0, point);
      Click(point);
    }
  }
};

TEST_F(DrawingToolsTest, RectangleDragAddsOneClosedFourNodePolygonInOneUndoStep) {
  Choose(tools.Rectangle());
  const std::size_t undo = document->UndoCount();
  // From lower right to upper left, a little off the grid: the corners snap.
  Drag({GridPixel(3, 1).x + 4, GridPixel(3, 1).y - 3}, {GridPixel(1, 2).x - 2, GridPixel(1, 2).y + 5});

  ASSERT_EQ(PolygonCount(), 1);
  const CConductorPolygon& polygon = OnlyPolygon();
  EXPECT_TRUE(polygon.IsClosed());
  EXPECT_EQ(polygon.conductorIndex, 0u);
  // Anchor, (anchor x, end y), end, (end x, anchor y), whichever way the drag went.
  EXPECT_EQ(Nodes(polygon),
            (std::vector<Point3>{{762, 254, 0}, {762, 508, 0}, {254, 508, 0}, {254, 254, 0}}));
  EXPECT_EQ(document->UndoCount(), undo + 1);
  EXPECT_TRUE(view->IsSelected(&polygon));
  EXPECT_EQ(tools.Rectangle().GetState(), CRectangleTool::State::Idle);
  document->Undo();
  EXPECT_EQ(PolygonCount(), 0);
}

TEST_F(DrawingToolsTest, RectangleEndingOnTheStartsGridLineAddsNothing) {
  Choose(tools.Rectangle());
  const std::size_t undo = document->UndoCount();
  Drag(GridPixel(1, 1), {GridPixel(3, 1).x, GridPixel(3, 1).y - 20});  // same grid y
  Drag(GridPixel(1, 1), {GridPixel(1, 1).x + 25, GridPixel(3, 3).y});  // same grid x
  Drag(GridPixel(2, 2), GridPixel(2, 2));                              // a click
  EXPECT_EQ(PolygonCount(), 0);
  EXPECT_EQ(document->UndoCount(), undo);
  EXPECT_FALSE(document->modified);
}

TEST_F(DrawingToolsTest, RectangleBandIsDrawnInBlueAndRedrawnOnlyWhenTheSnappedCornerMoves) {
  Choose(tools.Rectangle());
  Tool().OnLButtonDown(toolView, MK_LBUTTON, GridPixel(1, 1));
  Tool().OnMouseMove(toolView, MK_LBUTTON, {GridPixel(1, 1).x + 10, GridPixel(1, 1).y});
  EXPECT_TRUE(toolView.xorFigures.Calls().empty());
  Tool().OnMouseMove(toolView, MK_LBUTTON, GridPixel(2, 2));
  // The empty band at the anchor goes, the band to the new corner comes.
  ASSERT_EQ(toolView.xorFigures.Calls().size(), 2u);
  const auto& band = toolView.xorFigures.Calls().back();
  EXPECT_EQ(band.pen.colour, 0x00FFFFu);
  EXPECT_EQ(band.op, RasterOp::XorPen);
  EXPECT_EQ(band.points.front(), GridPixel(1, 2));
  // Abandoned by Esc's tool change: nothing is added.
  Choose(tools.Rectangle());
  Tool().OnLButtonUp(toolView, 0, GridPixel(3, 3));
  EXPECT_EQ(PolygonCount(), 0);
}

TEST_F(DrawingToolsTest, ViaPlacedWithTheDialogAcceptedIsSelectedAndCancelledAddsNothing) {
  CStructure& model = Model();
  model.AddLayer(CDielectric(2.0, 100.0), std::nullopt, true, false);
  std::vector<Point2> shown;
  bool accept = false;
  services.dialogs.via = [&](ViaDialogValues& values) {
    shown.push_back({values.x, values.y});
    EXPECT_TRUE(values.newVia);
    EXPECT_EQ(tools.Via().GetState(), CViaTool::State::Dialog);
    values.radius = 10.0;
    values.top = &model.FindLayerByZ(100.0);
    values.bottom = &model.FindLayerByZ(0.0);
    return accept;
  };
  Choose(tools.Via());
  const std::size_t undo = document->UndoCount();
  Drag(GridPixel(1, 1), {GridPixel(2, 3).x + 7, GridPixel(2, 3).y - 9});
  EXPECT_TRUE(model.GetVias().empty());
  EXPECT_EQ(document->UndoCount(), undo);

  accept = true;
  Drag(GridPixel(1, 1), {GridPixel(2, 3).x + 7, GridPixel(2, 3).y - 9});
  // Display units are mil: the grid point (508, 762) is (200, 300) mil.
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_NEAR(shown[1].x, 200.0, 1e-9);
  EXPECT_NEAR(shown[1].y, 300.0, 1e-9);
  ASSERT_EQ(model.GetVias().size(), 1u);
  const CVia& via = *model.GetVias().front();
  EXPECT_NEAR(via.GetX(), 508.0, 1e-9);
  EXPECT_NEAR(via.GetY(), 762.0, 1e-9);
  EXPECT_EQ(document->UndoCount(), undo + 1);
  EXPECT_EQ(view->GetSelection().GetObjects(), (std::vector<CShape*>{model.GetVias().front().get()}));
  EXPECT_EQ(tools.Via().GetState(), CViaTool::State::Idle);
}

TEST_F(DrawingToolsTest, ViaCentreIsExactlyTheReleasePointWithSnappingOff) {
  view->SetSnapToGrid(false);
  std::vector<Point2> shown;
  services.dialogs.via = [&](ViaDialogValues& values) {
    shown.push_back({values.x, values.y});
    return false;
  };
  Choose(tools.Via());
  Drag(GridPixel(1, 1), {123, 321});
  ASSERT_EQ(shown.size(), 1u);
  const Point2 release = view->ScreenToWorld({123, 321});
  EXPECT_NEAR(shown[0].x, document->ToDisplayUnits(release.x), 1e-9);
  EXPECT_NEAR(shown[0].y, document->ToDisplayUnits(release.y), 1e-9);
}

TEST_F(DrawingToolsTest, ThreeNodesAndTheKeyCCloseATriangleThatOneUndoRemoves) {
  Choose(tools.Polyline());
  const std::size_t undo = document->UndoCount();
  PlaceNodes({GridPixel(1, 1), GridPixel(3, 1)});
  // Two nodes: C does nothing yet.
  Tool().OnKeyDown(toolView, 'C', 1, 0);
  EXPECT_EQ(tools.Polyline().GetState(), CPolylineTool::State::Drawing);
  PlaceNodes({GridPixel(2, 3)});
  Tool().OnKeyDown(toolView, 'C', 1, 0);

  ASSERT_EQ(PolygonCount(), 1);
  const CConductorPolygon& triangle = OnlyPolygon();
  EXPECT_TRUE(triangle.IsClosed());
  EXPECT_EQ(Nodes(triangle), (std::vector<Point3>{{254, 254, 0}, {762, 254, 0}, {508, 762, 0}}));
  EXPECT_TRUE(view->IsSelected(&triangle));
  EXPECT_TRUE(document->modified);
  EXPECT_EQ(document->UndoCount(), undo + 1);
  EXPECT_EQ(tools.Polyline().GetState(), CPolylineTool::State::Idle);
  document->Undo();
  EXPECT_EQ(PolygonCount(), 0);
}

TEST_F(DrawingToolsTest, ReleaseOnTheFirstNodeClosesFromThreeNodesAndAddsANodeAtTwo) {
  Choose(tools.Polyline());
  PlaceNodes({GridPixel(1, 1), GridPixel(3, 1), {GridPixel(1, 1).x + 2, GridPixel(1, 1).y - 1}});
  // With two nodes the first node is no target: a third node at the same place.
  EXPECT_EQ(Nodes(OnlyPolygon()).size(), 3u);
  EXPECT_FALSE(OnlyPolygon().IsClosed());

  Choose(tools.Polyline());
  PlaceNodes({GridPixel(5, 5), GridPixel(7, 5), GridPixel(6, 7)});
  // Within 4 pixels of the first node the close cursor shows, and the release closes.
  Tool().OnMouseMove(toolView, 0, {GridPixel(5, 5).x + 6, GridPixel(5, 5).y});
  Tool().OnSetCursor(toolView);
  EXPECT_EQ(toolView.cursor, cursor::kPolyline);
  Tool().OnMouseMove(toolView, 0, {GridPixel(5, 5).x + 3, GridPixel(5, 5).y - 3});
  EXPECT_EQ(toolView.cursor, cursor::kPolylineClose);
  Click({GridPixel(5, 5).x + 3, GridPixel(5, 5).y - 3});
  const CConductorPolygon& closed = *Model().FindLayerByZ(0.0).GetShapes().back();
  EXPECT_TRUE(closed.IsClosed());
  EXPECT_EQ(Nodes(closed).size(), 3u);
}

TEST_F(DrawingToolsTest, SwitchingToolsRemovesAOneNodePolygonAndKeepsATwoNodeOneOpen) {
  Choose(tools.Polyline());
  const std::size_t undo = document->UndoCount();
  PlaceNodes({GridPixel(1, 1)});
  Choose(tools.Rectangle());
  EXPECT_EQ(PolygonCount(), 0);
  // Adding and removing are one undo step each.
  EXPECT_EQ(document->UndoCount(), undo + 2);

  Choose(tools.Polyline());
  PlaceNodes({GridPixel(1, 1), GridPixel(2, 2)});
  Choose(tools.Pan());
  ASSERT_EQ(PolygonCount(), 1);
  EXPECT_FALSE(OnlyPolygon().IsClosed());
  EXPECT_EQ(Nodes(OnlyPolygon()).size(), 2u);
}

TEST_F(DrawingToolsTest, RubberBandFollowsOnlyWithTheButtonHeld) {
  Choose(tools.Polyline());
  PlaceNodes({GridPixel(1, 1)});
  toolView.xorFigures.Clear();
  Tool().OnMouseMove(toolView, 0, GridPixel(2, 2));
  EXPECT_TRUE(toolView.xorFigures.Calls().empty());
  Tool().OnLButtonDown(toolView, MK_LBUTTON, GridPixel(2, 2));
  Tool().OnMouseMove(toolView, MK_LBUTTON, GridPixel(3, 2));
  // Press: segment and marker; move: each erased and drawn again.
  ASSERT_EQ(toolView.xorFigures.Calls().size(), 6u);
  EXPECT_EQ(toolView.xorFigures.Calls()[0].pen.colour, 0xFFFF00u);
  EXPECT_EQ(toolView.xorFigures.Calls()[1].brush.style, BrushStyle::Hollow);
}

TEST_F(DrawingToolsTest, UndoWhileDrawingTakesThePolygonAwayAndRedoDoesNotBringBackAHalfOne) {
  Choose(tools.Polyline());
  const std::size_t undo = document->UndoCount();
  PlaceNodes({GridPixel(1, 1)});
  view->Undo();
  EXPECT_EQ(PolygonCount(), 0);
  EXPECT_EQ(document->UndoCount(), undo);
  document->Redo();
  EXPECT_EQ(PolygonCount(), 0);

  // Two nodes or more: the undo still goes back to before the polygon.
  PlaceNodes({GridPixel(1, 1), GridPixel(2, 2), GridPixel(3, 1)});
  view->Undo();
  EXPECT_EQ(PolygonCount(), 0);
  EXPECT_EQ(tools.Polyline().GetState(), CPolylineTool::State::Idle);
}

TEST_F(DrawingToolsTest, CancelAfterTheModelWasReplacedDoesNotTouchTheLostPolygon) {
  Choose(tools.Polyline());
  PlaceNodes({GridPixel(1, 1)});
  // Undo reloads the model; its hint cancels the tool, whose polygon is gone.
  document->Undo();
  EXPECT_EQ(tools.Polyline().GetState(), CPolylineTool::State::Idle);
  EXPECT_EQ(PolygonCount(), 0);
  document->Redo();
  EXPECT_EQ(PolygonCount(), 1);
}

TEST_F(DrawingToolsTest, DrawingOnAHiddenLockedLayerAddsToThatLayerUndoably) {
  Model().AddLayer(CDielectric(2.0, 100.0), std::nullopt, false, true);
  view->SetActiveLayer(100.0);
  Choose(tools.Rectangle());
  Drag(GridPixel(1, 1), GridPixel(2, 2));
  EXPECT_EQ(PolygonCount(100.0), 1);
  document->Undo();
  EXPECT_EQ(PolygonCount(100.0), 0);
}

TEST_F(DrawingToolsTest, KillFocusWhileDrawingCancelsAndClearsTheSelection) {
  CConductorPolygon& square = AddSquare(1000, 1000, 200, 0.0);
  Choose(tools.Polyline());
  PlaceNodes({GridPixel(1, 1)});
  view->AddToSelection(square);
  Tool().OnKillFocus(toolView);
  EXPECT_EQ(PolygonCount(), 1);
  EXPECT_TRUE(view->GetSelection().IsEmpty());
  EXPECT_EQ(tools.Polyline().GetState(), CPolylineTool::State::Idle);
}

}  // namespace
}  // namespace quor::test
