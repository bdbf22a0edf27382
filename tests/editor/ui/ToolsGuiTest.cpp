// The editing tools on the X screen, driven by the pointer and the keyboard
// as a user drives them (wxUIActionSimulator): after each gesture the model,
// the selection and the undo list are checked.
#include <gtest/gtest.h>
#include <wx/dialog.h>
#include <wx/statusbr.h>
#include <wx/uiaction.h>

#include <algorithm>
#include <iterator>
#include <utility>
#include <vector>

#include "ToolsGuiFixture.h"
#include "editor/document/CCrtanjeDoc.h"
#include "editor/grid/GridWndProc.h"
#include "editor/model/CConductorPolygon.h"
#include "editor/model/CDielectric.h"
#include "editor/model/CLayer.h"
#include "editor/model/CStructure.h"
#include "editor/model/CVia.h"
#include "editor/ui/CCrtanjeView.h"
#include "editor/ui/CMainFrame.h"
#include "editor/ui/CommandIds.h"
#include "editor/ui/CursorArt.h"
#include "editor/ui/ViewCanvas.h"
#include "editor/ui/bars/LayerComboBox.h"
#include "editor/ui/dialogs/ViaValues.h"
#include "editor/ui/tools/ViewTools.h"
#include "editor/ui/tools/XorFigures.h"
#include "editor/ui/view/ViewCore.h"
#include "platform/win/WindowSystem.h"
#include "support/WxTestPump.h"

namespace quor::test {
namespace {

class ToolsGuiTest : public ToolsGuiFixture {
 protected:
  // The Polygon dialog, which a double click opens, holds a grid control.
  static void SetUpTestSuite() { grid::RegisterGridClass(win::ThreadWindowSystem()); }
};

// The check mark the menus and the Tools toolbar show for a command.
bool IsChecked(wxWindow& frame, int id) {
  wxUpdateUIEvent event(id);
  event.SetEventObject(&frame);
  frame.ProcessWindowEvent(event);
  return event.GetSetChecked() && event.GetChecked();
}

TEST_F(ToolsGuiTest, KeysF2ToF8ChooseTheToolsWhoseButtonsAloneAreChecked) {
  const std::vector<std::pair<int, int>> keys{
      {WXK_F5, cmd::kToolRectangle}, {WXK_F4, cmd::kToolPolyline}, {WXK_F6, cmd::kToolVia},
      {WXK_F7, cmd::kViewPan},       {WXK_F8, cmd::kViewZoom},     {WXK_F3, cmd::kToolPolylineNode},
      {WXK_F2, cmd::kToolSelect},
  };
  const std::vector<int> commands{cmd::kToolSelect,    cmd::kToolPolylineNode, cmd::kToolPolyline,
                                  cmd::kToolRectangle, cmd::kToolVia,          cmd::kViewPan,
                                  cmd::kViewZoom};
  ASSERT_TRUE(MoveTo(Free(2, 2)));
  Click(Free(2, 2));  // the view has the focus
  for (const auto& [key, command] : keys) {
    SCOPED_TRACE(command);
    wxUIActionSimulator().Char(key);
    const int resourceId = ResourceCommandId(command);
    EXPECT_TRUE(PumpUntil([&] { return view->GetTools().IsCurrent(resourceId); }));
    for (const int other : commands) EXPECT_EQ(IsChecked(*frame, other), other == command) << other;
    EXPECT_TRUE(IsCommandEnabled(command));
  }
  // Without a project the tools are off.
  ASSERT_TRUE(manager->CloseDocument(view->GetDocument(), true));
  PumpEvents();
  for (const int command : commands) EXPECT_FALSE(IsCommandEnabled(command)) << command;
}

TEST_F(ToolsGuiTest, TheIdlePointerOverAnObjectDescribesItInTheStatusBar) {
  const CConductorPolygon& square = DrawRectangle(Free(0, 0), Free(1, 1));
  ASSERT_TRUE(MoveTo({(Free(0, 0).x + Free(1, 1).x) / 2, (Free(0, 0).y + Free(1, 1).y) / 2}));
  const std::string description = square.GetDescription(Document().GetSettings());
  ASSERT_FALSE(description.empty());
  EXPECT_EQ(frame->GetStatusBar()->GetStatusText(0).utf8_string(), description);
  ASSERT_TRUE(MoveTo(Free(3, 3)));
  EXPECT_EQ(frame->GetStatusBar()->GetStatusText(0), "Ready");
}

TEST_F(ToolsGuiTest, RectangleDragAddsOneClosedPolygonInOneUndoStepAndABackDragNothing) {
  Command(cmd::kToolRectangle);
  EXPECT_TRUE(view->GetTools().IsCurrent(32831));
  const int shapes = ActiveLayer().GetShapeCount();
  const std::size_t undo = Document().UndoCount();
  Drag(Free(0, 0), Free(3, 2));
  ASSERT_EQ(ActiveLayer().GetShapeCount(), shapes + 1);
  const CConductorPolygon& added = *ActiveLayer().GetShapes().back();
  EXPECT_TRUE(added.IsClosed());
  EXPECT_EQ(added.GetNodes().GetCount(), 4);
  EXPECT_EQ(added.GetZ(), Core().GetActiveZ());
  EXPECT_EQ(Document().UndoCount(), undo + 1);
  EXPECT_TRUE(Core().IsSelected(&added));

  // Back to the start's grid line in x: nothing.
  Drag(Free(0, 0), {Free(0, 0).x + 2, Free(0, 3).y});
  EXPECT_EQ(ActiveLayer().GetShapeCount(), shapes + 1);
  EXPECT_EQ(Document().UndoCount(), undo + 1);
}

TEST_F(ToolsGuiTest, ThreeClicksAndCCloseATriangleThatCtrlZRemovesWhole) {
  Command(cmd::kToolPolyline);
  const int shapes = ActiveLayer().GetShapeCount();
  Click(Free(0, 0));
  Click(Free(4, 0));
  Click(Free(2, 3));
  ASSERT_TRUE(Key('c'));
  ASSERT_EQ(ActiveLayer().GetShapeCount(), shapes + 1);
  const CConductorPolygon& triangle = *ActiveLayer().GetShapes().back();
  EXPECT_TRUE(triangle.IsClosed());
  EXPECT_EQ(triangle.GetNodes().GetCount(), 3);
  EXPECT_TRUE(Core().IsSelected(&triangle));
  ASSERT_TRUE(Key('z', wxMOD_CONTROL));
  PumpUntil([&] { return ActiveLayer().GetShapeCount() == shapes; });
  EXPECT_EQ(ActiveLayer().GetShapeCount(), shapes);
}

// Closing on the first node is offered from the third node on: with two, a
// release there is one more node.
TEST_F(ToolsGuiTest, ThePolylineClosesOnItsFirstNodeOnlyWithMoreThanTwoNodes) {
  Command(cmd::kToolPolyline);
  const int shapes = ActiveLayer().GetShapeCount();
  const DevicePoint first = Free(0, 0);
  Click(first);
  Click(Free(3, 0));
  ASSERT_EQ(ActiveLayer().GetShapeCount(), shapes + 1);
  const CConductorPolygon& polygon = *ActiveLayer().GetShapes().back();
  // Two nodes: no close cursor near the first, and the release adds a node;
  // with three, the cursor offers to close and the release closes.
  for (const auto& [nodes, closes] : {std::pair{2, false}, {3, true}}) {
    if (nodes == 3) Click(Free(2, 3));
    ASSERT_TRUE(MoveTo({first.x + 2, first.y - 1}));
    EXPECT_EQ(view->GetToolCursor(), closes ? cursor::kPolylineClose : cursor::kPolyline) << nodes;
    Click({first.x + 1, first.y});
    EXPECT_EQ(polygon.IsClosed(), closes) << nodes;
    EXPECT_EQ(polygon.GetNodes().GetCount(), closes ? 4 : 3) << nodes;
  }
}

TEST_F(ToolsGuiTest, SwitchingToolsAfterOneNodeRemovesThePolygonAfterTwoLeavesItOpen) {
  Command(cmd::kToolPolyline);
  const int shapes = ActiveLayer().GetShapeCount();
  Click(Free(0, 0));
  Command(cmd::kToolSelect);
  EXPECT_EQ(ActiveLayer().GetShapeCount(), shapes);

  // Not where the last click was: a second press there would be a double click.
  Command(cmd::kToolPolyline);
  Click(Free(0, 1));
  Click(Free(3, 1));
  Command(cmd::kToolRectangle);
  ASSERT_EQ(ActiveLayer().GetShapeCount(), shapes + 1);
  EXPECT_FALSE(ActiveLayer().GetShapes().back()->IsClosed());
  EXPECT_EQ(ActiveLayer().GetShapes().back()->GetNodes().GetCount(), 2);
}

TEST_F(ToolsGuiTest, ViaDialogAcceptedAddsOneSelectedViaAndCancelledNone) {
  Model().AddLayer(CDielectric(4.5, 100.0), std::nullopt, true, false);
  Command(cmd::kToolVia);
  const std::size_t vias = Model().GetVias().size();
  script.Then([](wxDialog& dialog) { dialog.EndModal(wxID_CANCEL); });
  Drag(Free(0, 0), Free(1, 1));
  EXPECT_EQ(Model().GetVias().size(), vias);

  script.Then([](wxDialog& dialog) {
    auto* top = dynamic_cast<LayerComboBox*>(dialog.FindWindow(via_dialog::kTopLayerCombo));
    auto* bottom = dynamic_cast<LayerComboBox*>(dialog.FindWindow(via_dialog::kBottomLayerCombo));
    top->SetSelection(top->GetCount() - 1);
    bottom->SetSelection(0);
    Type(dialog, via_dialog::kRadiusEdit, "2");
    PressOk(dialog);
  });
  // Pressed elsewhere than before: a second press there would be a double click.
  Drag(Free(2, 0), Free(3, 1));
  ASSERT_EQ(Model().GetVias().size(), vias + 1);
  const CVia& via = *Model().GetVias().back();
  EXPECT_NEAR(via.GetX(), 4 * GridStep(), 1e-6);
  EXPECT_EQ(Core().GetSelection().GetObjects(), (std::vector<CShape*>{Model().GetVias().back().get()}));
  EXPECT_EQ(script.titles.size(), 2u);
}

TEST_F(ToolsGuiTest, EveryExclusiveOrFigureDrawnTwiceLeavesTheBufferByteIdentical) {
  ViewCanvas& canvas = *view->GetCanvas();
  const wxImage before = canvas.GetBuffer().Image();
  const Point2 a = Core().ScreenToWorld(Free(0, 0));
  const Point2 b = Core().ScreenToWorld(Free(3, 2));
  const std::vector<std::function<void()>> figures{
      [&] { DrawXorRect(*view, kXorRed, a, b); }, [&] { DrawXorFrame(*view, kXorBlue, RectBetween(a, b)); },
      [&] { DrawXorSegment(*view, a, b); },       [&] { DrawXorCross(*view, kXorBlue, a); },
      [&] { DrawXorMarker(*view, kXorRed, b); },
  };
  for (std::size_t i = 0; i < figures.size(); ++i) {
    SCOPED_TRACE(i);
    figures[i]();
    const wxImage drawn = canvas.GetBuffer().Image();
    EXPECT_FALSE(std::equal(before.GetData(), before.GetData() + before.GetWidth() * before.GetHeight() * 3,
                            drawn.GetData()));
    figures[i]();
    const wxImage after = canvas.GetBuffer().Image();
    ASSERT_EQ(after.GetSize(), before.GetSize());
    EXPECT_TRUE(std::equal(before.GetData(), before.GetData() + before.GetWidth() * before.GetHeight() * 3,
                           after.GetData()));
  }
}

TEST_F(ToolsGuiTest, RubberBandSelectsExactlyTheObjectsInside) {
  const CConductorPolygon& first = DrawRectangle(Free(0, 0), Free(1, 1));
  const CConductorPolygon& second = DrawRectangle(Free(3, 0), Free(4, 1));
  // Around the first only; the band stops short of the second.
  Drag({Free(0, 0).x - 10, Free(0, 0).y - 10}, {Free(2, 1).x, Free(2, 1).y + 10});
  EXPECT_EQ(Core().GetSelection().GetObjects(),
            (std::vector<CShape*>{const_cast<CConductorPolygon*>(&first)}));
  // Clear of the first one's corner handles, which stand 10 pixels out.
  Drag({Free(0, 0).x - 25, Free(0, 0).y - 25}, {Free(4, 1).x + 10, Free(4, 1).y + 10});
  EXPECT_EQ(Core().GetSelection().GetCount(), 2);
  EXPECT_TRUE(Core().IsSelected(&second));
}

TEST_F(ToolsGuiTest, DragOfTwoPixelsMovesNothingAndALongerOneMovesBySnappedDelta) {
  const CConductorPolygon& square = DrawRectangle(Free(0, 0), Free(1, 1));
  const Point3 start = FirstNode(square);
  const std::size_t undo = Document().UndoCount();
  const DevicePoint inside{(Free(0, 0).x + Free(1, 1).x) / 2, (Free(0, 0).y + Free(1, 1).y) / 2};
  Drag(inside, {inside.x + 2, inside.y + 2});
  EXPECT_EQ(FirstNode(square), start);
  EXPECT_EQ(Document().UndoCount(), undo);

  // Two grid steps right and a little: snapping puts the box back on the grid.
  Drag({inside.x + 1, inside.y}, {inside.x + 1 + 2 * (Free(1, 0).x - Free(0, 0).x) + 3, inside.y - 2});
  const double s = GridStep();
  ASSERT_EQ(Document().UndoCount(), undo + 1);
  const CConductorPolygon& after = *ActiveLayer().GetShapes().back();
  EXPECT_NEAR(FirstNode(after).x, start.x + 2 * s, 1e-6);
  EXPECT_NEAR(FirstNode(after).y, start.y, 1e-6);
}

// A drag narrower and lower than 3 pixels moves nothing; 3 pixels across or
// down moves, with the Select tool as with the Polyline Node tool.
TEST_F(ToolsGuiTest, ADragOfTwoPixelsStaysInTheDeadZoneAndOfThreeMoves) {
  const CConductorPolygon& square = DrawRectangle(Free(0, 0), Free(2, 2));
  Core().SetSnapToGrid(false);
  const DevicePoint inside{(Free(0, 0).x + Free(2, 2).x) / 2, (Free(0, 0).y + Free(2, 2).y) / 2};
  struct Case {
    int tool;
    int dx;
    int dy;
    bool moves;
  };
  const Case cases[] = {
      {cmd::kToolSelect, 2, 2, false},       {cmd::kToolSelect, 3, 0, true},
      {cmd::kToolSelect, 0, -3, true},       {cmd::kToolSelect, -2, 1, false},
      {cmd::kToolPolylineNode, 2, 2, false}, {cmd::kToolPolylineNode, -3, 0, true},
      {cmd::kToolPolylineNode, 0, 3, true},  {cmd::kToolPolylineNode, 1, -2, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.tool << " by " << c.dx << ", " << c.dy);
    Command(cmd::kToolSelect);
    Click(inside);
    Command(c.tool);
    // The node tool takes the first node, the select tool the whole square.
    const Point3 before = FirstNode(square);
    const DevicePoint from = c.tool == cmd::kToolSelect ? inside : Pixel(before.x, before.y);
    const std::size_t undo = Document().UndoCount();
    Drag(from, {from.x + c.dx, from.y + c.dy});
    EXPECT_EQ(Document().UndoCount(), c.moves ? undo + 1 : undo);
    const Point3 after = FirstNode(square);
    EXPECT_NEAR(after.x - before.x, c.moves ? Core().PixelsToUnits(c.dx) : 0.0, 1e-6);
    EXPECT_NEAR(after.y - before.y, c.moves ? Core().PixelsToUnits(-c.dy) : 0.0, 1e-6);
  }
}

TEST_F(ToolsGuiTest, CornerHandleDragScalesThePolygonAboutTheOppositeCorner) {
  DrawRectangle(Free(0, 0), Free(1, 1));
  const double s = GridStep();
  const CConductorPolygon& square = *ActiveLayer().GetShapes().back();
  const DoubleRect box = square.GetBBox();
  Click({(Free(0, 0).x + Free(1, 1).x) / 2, (Free(0, 0).y + Free(1, 1).y) / 2});
  ASSERT_EQ(Core().GetSelection().GetCount(), 1);
  // The bottom-right handle, 10 pixels outside the corner, one grid step right.
  const DevicePoint corner = Pixel(box.right, box.bottom);
  const std::size_t undo = Document().UndoCount();
  Drag({corner.x + 10, corner.y + 10}, {corner.x + 10 + (Free(1, 0).x - Free(0, 0).x), corner.y + 10});
  ASSERT_EQ(Document().UndoCount(), undo + 1);
  const DoubleRect scaled = ActiveLayer().GetShapes().back()->GetBBox();
  EXPECT_NEAR(scaled.left, box.left, 1e-6);
  EXPECT_NEAR(scaled.top, box.top, 1e-6);
  EXPECT_NEAR(scaled.right, box.right + s, 1e-6);
  EXPECT_NEAR(scaled.bottom, box.bottom, 1e-6);
}

TEST_F(ToolsGuiTest, NodeDragMovesOneNodeAndAToolChangeMidDragPutsItBack) {
  DrawRectangle(Free(0, 0), Free(2, 2));
  const CConductorPolygon& square = *ActiveLayer().GetShapes().back();
  Click({(Free(0, 0).x + Free(2, 2).x) / 2, (Free(0, 0).y + Free(2, 2).y) / 2});
  Command(cmd::kToolPolylineNode);
  EXPECT_EQ(Core().GetNodeDisplay(), 1);
  const std::vector<Point3> before(square.GetNodes().begin(), square.GetNodes().end());
  const std::size_t undo = Document().UndoCount();
  // The first node is the rectangle's anchor, the drag's start.
  const DevicePoint node = Pixel(before[0].x, before[0].y);
  Drag(node, {node.x - 30, node.y + 40});
  EXPECT_NE(FirstNode(square), before[0]);
  EXPECT_EQ(*std::next(square.GetNodes().begin()), before[1]);
  EXPECT_EQ(Document().UndoCount(), undo + 1);

  const Point3 moved = FirstNode(square);
  const DevicePoint now = Pixel(moved.x, moved.y);
  ASSERT_TRUE(MoveTo({now.x + 1, now.y}));
  ASSERT_TRUE(Press());
  ASSERT_TRUE(MoveTo({now.x + 60, now.y - 50}));
  EXPECT_NE(FirstNode(square), moved);
  Command(cmd::kToolSelect);
  EXPECT_EQ(FirstNode(square), moved);
  EXPECT_EQ(Core().GetNodeDisplay(), 0);
  ASSERT_TRUE(Release());
  EXPECT_EQ(FirstNode(square), moved);
  EXPECT_EQ(Document().UndoCount(), undo + 1);
}

TEST_F(ToolsGuiTest, PanStopsAtScrollPositionZero) {
  Core().ZoomIn({Core().GetClientSize().cx / 2, Core().GetClientSize().cy / 2});
  Core().ScrollTo({40, 30});
  Command(cmd::kViewPan);
  ASSERT_TRUE(MoveTo(Free(1, 1)));
  EXPECT_EQ(view->GetToolCursor(), cursor::kOpenHand);
  Drag(Free(0, 0), {Free(0, 0).x + 200, Free(0, 0).y + 150});
  EXPECT_EQ(Core().GetScrollBars().position, (DevicePoint{0, 0}));
}

TEST_F(ToolsGuiTest, ZoomDragOfTenPixelsIsAClickAndOfElevenARectangleZoom) {
  Command(cmd::kViewZoom);
  const float zoom = Core().GetZoom();
  Drag(Free(1, 1), {Free(1, 1).x + 10, Free(1, 1).y + 10});
  EXPECT_FLOAT_EQ(Core().GetZoom(), 2.0f * zoom);

  Core().ZoomAll();
  Drag(Free(0, 2), {Free(0, 2).x + 11, Free(0, 2).y + 3});
  // Eleven pixels wide: zoomed to fit them, to the limit.
  EXPECT_FLOAT_EQ(Core().GetZoom(), ViewCore::kMaxZoom);

  // Shift turns the cursor at once; a click then zooms out.
  ASSERT_TRUE(Input([](wxUIActionSimulator& s) { s.KeyDown(WXK_SHIFT); }));
  EXPECT_EQ(view->GetToolCursor(), cursor::kZoomOut);
  // The footprint's points are far off the window now: the client's middle.
  Click({Core().GetClientSize().cx / 2, Core().GetClientSize().cy / 2});
  EXPECT_LT(Core().GetZoom(), ViewCore::kMaxZoom);
  ASSERT_TRUE(Input([](wxUIActionSimulator& s) { s.KeyUp(WXK_SHIFT); }));
  EXPECT_EQ(view->GetToolCursor(), cursor::kZoomIn);
}

TEST_F(ToolsGuiTest, ReleaseOutsideTheWindowStillEndsTheDrag) {
  Command(cmd::kToolRectangle);
  const int shapes = ActiveLayer().GetShapeCount();
  ASSERT_TRUE(MoveTo(Free(0, 0)));
  ASSERT_TRUE(Press());
  ASSERT_TRUE(MoveTo(Free(1, 1)));
  // Beyond the canvas's left edge: the capture brings the release back.
  ASSERT_TRUE(MoveTo({-30, Free(1, 1).y}));
  ASSERT_TRUE(Release());
  EXPECT_EQ(ActiveLayer().GetShapeCount(), shapes + 1);
  EXPECT_EQ(const_cast<ViewTools&>(view->GetTools()).Rectangle().GetState(), CRectangleTool::State::Idle);
}

TEST_F(ToolsGuiTest, DoubleClickOnEmptySpaceClearsTheSelectionAndOpensNothing) {
  DrawRectangle(Free(0, 0), Free(1, 1));
  ASSERT_FALSE(Core().GetSelection().IsEmpty());
  ASSERT_TRUE(MoveTo(Free(3, 3)));
  ASSERT_TRUE(Input([](wxUIActionSimulator& s) { s.MouseDblClick(); }, 3));
  PumpEvents();
  EXPECT_TRUE(Core().GetSelection().IsEmpty());
  EXPECT_TRUE(script.titles.empty());
}

TEST_F(ToolsGuiTest, DoubleClickOnAnObjectSelectsItAloneAndOpensItsProperties) {
  const CConductorPolygon& first = DrawRectangle(Free(0, 0), Free(1, 1));
  DrawRectangle(Free(3, 0), Free(4, 1));
  const std::size_t undo = Document().UndoCount();
  script.Then([](wxDialog& dialog) { dialog.EndModal(wxID_CANCEL); });
  ASSERT_TRUE(MoveTo({(Free(0, 0).x + Free(1, 1).x) / 2, (Free(0, 0).y + Free(1, 1).y) / 2}));
  ASSERT_TRUE(Input([](wxUIActionSimulator& s) { s.MouseDblClick(); }, 3));
  PumpUntil([&] { return !script.titles.empty(); });
  EXPECT_EQ(script.titles, std::vector<std::string>{"Polygon"});
  EXPECT_EQ(Core().GetSelection().GetObjects(),
            (std::vector<CShape*>{const_cast<CConductorPolygon*>(&first)}));
  EXPECT_EQ(Document().UndoCount(), undo);
}

TEST_F(ToolsGuiTest, EscInTheMiddleOfEveryGestureLeavesNothingHalfMade) {
  const CConductorPolygon& square = DrawRectangle(Free(0, 0), Free(2, 2));
  const std::vector<Point3> nodes(square.GetNodes().begin(), square.GetNodes().end());
  const int shapes = ActiveLayer().GetShapeCount();
  const std::size_t undo = Document().UndoCount();
  const float zoom = Core().GetZoom();
  const DevicePoint inside{(Free(0, 0).x + Free(2, 2).x) / 2, (Free(0, 0).y + Free(2, 2).y) / 2};
  struct Gesture {
    int command;
    DevicePoint from;
    DevicePoint to;
  };
  const std::vector<Gesture> gestures{
      {cmd::kToolRectangle, Free(4, 0), Free(5, 1)}, {cmd::kToolVia, Free(4, 0), Free(5, 1)},
      {cmd::kToolSelect, inside, Free(4, 3)},        {cmd::kToolSelect, Free(4, 0), Free(5, 2)},
      {cmd::kViewZoom, Free(4, 0), Free(5, 1)},      {cmd::kViewPan, Free(4, 0), Free(5, 1)},
      {cmd::kToolPolyline, Free(4, 0), Free(5, 1)},
  };
  for (const Gesture& gesture : gestures) {
    SCOPED_TRACE(gesture.command);
    Command(gesture.command);
    ASSERT_TRUE(MoveTo(gesture.from));
    ASSERT_TRUE(Press());
    ASSERT_TRUE(MoveTo(gesture.to));
    ASSERT_TRUE(Key(WXK_ESCAPE));
    EXPECT_TRUE(view->GetTools().IsCurrent(32830));
    ASSERT_TRUE(Release());
    EXPECT_EQ(ActiveLayer().GetShapeCount(), shapes);
    EXPECT_TRUE(Model().GetVias().empty());
    EXPECT_EQ(std::vector<Point3>(square.GetNodes().begin(), square.GetNodes().end()), nodes);
    EXPECT_FLOAT_EQ(Core().GetZoom(), zoom);
    EXPECT_TRUE(script.titles.empty());
  }
  // The polygon of one node went again, in a step of its own.
  EXPECT_EQ(Document().UndoCount(), undo + 2);

  // A node drag: the node goes back where it was.
  Click(inside);
  Command(cmd::kToolPolylineNode);
  const DevicePoint node = Pixel(nodes[0].x, nodes[0].y);
  ASSERT_TRUE(MoveTo(node));
  ASSERT_TRUE(Press());
  ASSERT_TRUE(MoveTo({node.x + 40, node.y - 40}));
  ASSERT_TRUE(Key(WXK_ESCAPE));
  ASSERT_TRUE(Release());
  EXPECT_EQ(std::vector<Point3>(square.GetNodes().begin(), square.GetNodes().end()), nodes);
  EXPECT_EQ(Core().GetNodeDisplay(), 0);
}

}  // namespace
}  // namespace quor::test
