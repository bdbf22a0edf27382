// The view's commands, keys and context menus on the headless core: what
// they do to the model, the selection, the clipboard and the undo list.
#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <utility>

#include "ViewTestProject.h"
#include "editor/model/CStructure.h"
#include "editor/model/Point3.h"
#include "editor/model/ThrownText.h"
#include "platform/win/WinTypes.h"

namespace quor::test {
namespace {

constexpr int kSelectTool = 32830;
constexpr int kPolylineTool = 32832;
constexpr int kRectangleTool = 32831;

class ViewCommandsTest : public ::testing::Test, public ViewTestProject {
 protected:
  void SetUp() override { Model().AddLayer(CDielectric(2.0, 100.0), std::nullopt, true, false); }

  CLayer& Layer(double z) const { return Model().FindLayerByZ(z); }
  double Pixels(double n) const { return view->PixelsToUnits(n); }
  CSelection& Selection() const { return view->GetSelection(); }
  int ObjectCount() const {
    int count = static_cast<int>(Model().GetVias().size());
    for (const auto& layer : Model().GetLayers()) count += layer->GetShapeCount();
    return count;
  }
};

TEST_F(ViewCommandsTest, SelectAllThenDeleteEmptiesTheModelInOneUndoStepAndUndoBringsItBack) {
  AddSquare(0, 0, 100, 0.0);
  AddSquare(500, 500, 100, 100.0);
  AddVia(1000, 1000, 100.0);
  const std::size_t steps = document->UndoCount();
  // Nothing selected: nothing deleted, nothing recorded.
  view->DeleteSelection();
  view->OnKeyDown(win::VK_DELETE, 1, 0);
  EXPECT_EQ(document->UndoCount(), steps);

  const int cancels = host.toolCancels;
  view->SelectAll();
  EXPECT_EQ(Selection().GetCount(), 3);
  EXPECT_EQ(host.toolCancels, cancels + 1);
  view->DeleteSelection();
  EXPECT_EQ(ObjectCount(), 0);
  EXPECT_TRUE(Selection().IsEmpty());
  EXPECT_EQ(document->UndoCount(), steps + 1);
  const int cancelsBeforeUndo = host.toolCancels;
  view->Undo();
  EXPECT_EQ(ObjectCount(), 3);
  EXPECT_GT(host.toolCancels, cancelsBeforeUndo);
}

TEST_F(ViewCommandsTest, PasteTwicePutsEachCopyTenPixelsFromTheClipboardAndSelectsIt) {
  CConductorPolygon& square = AddSquare(1000, 1000, 100, 100.0);
  EXPECT_FALSE(view->CanPaste());
  EXPECT_TRUE(view->Paste(Pixels(10)).empty()) << "an empty clipboard pastes nothing";
  const std::size_t steps = document->UndoCount();
  EXPECT_EQ(document->UndoCount(), steps);

  view->SetActiveLayer(100.0);
  view->AddToSelection(square);
  view->Copy();
  ASSERT_EQ(host.clipboard.size(), 1u);
  EXPECT_TRUE(view->CanPaste());
  view->PasteWithOffset();
  view->PasteWithOffset();
  ASSERT_EQ(Layer(100.0).GetShapeCount(), 3);
  const double d = Pixels(10);
  const auto& shapes = Layer(100.0).GetShapes();
  for (auto copy = std::next(shapes.begin()); copy != shapes.end(); ++copy) {
    const DoubleRect box = (*copy)->GetBBox();
    EXPECT_DOUBLE_EQ(box.left, 1000 + d);
    EXPECT_DOUBLE_EQ(box.top, 1100 - d);
  }
  // The second paste is selected, alone.
  EXPECT_EQ(Selection().GetObjects(), std::vector<CShape*>{shapes.back().get()});
  EXPECT_EQ(document->UndoCount(), steps + 2);
}

TEST_F(ViewCommandsTest, PasteToOriginalGoesToTheActiveLayerAtTheCopiedPosition) {
  CConductorPolygon& square = AddSquare(1000, 1000, 100, 0.0);
  view->AddToSelection(square);
  view->Copy();
  view->SetActiveLayer(100.0);
  const std::vector<CShape*> pasted = view->Paste(0.0);
  ASSERT_EQ(pasted.size(), 1u);
  EXPECT_EQ(pasted.front()->GetZ(), 100.0);
  EXPECT_EQ(pasted.front()->GetBBox(), square.GetBBox());
  EXPECT_TRUE(view->IsSelected(pasted.front()));
}

TEST_F(ViewCommandsTest, CutOfTwoPolygonsCopiesBothAndDeletesThemInOneUndoStep) {
  CConductorPolygon& a = AddSquare(0, 0, 100, 0.0);
  CConductorPolygon& b = AddSquare(500, 500, 100, 100.0);
  view->AddToSelection(a);
  view->AddToSelection(b);
  const std::size_t steps = document->UndoCount();
  view->Cut();
  EXPECT_EQ(host.clipboard.size(), 2u);
  EXPECT_EQ(ObjectCount(), 0);
  EXPECT_EQ(document->UndoCount(), steps + 1);
  // Cut with nothing selected keeps the clipboard.
  view->Cut();
  EXPECT_EQ(host.clipboard.size(), 2u);
}

TEST_F(ViewCommandsTest, ArrowKeysMoveTheSelectionTenPixelsAtTheCurrentZoom) {
  CConductorPolygon& square = AddSquare(1000, 1000, 100, 100.0);
  view->SetZoom(2.0, {0, 0}, true);
  view->AddToSelection(square);
  const double d = Pixels(10);
  view->OnKeyDown(win::VK_RIGHT, 1, 0);
  view->OnKeyDown(win::VK_UP, 1, 0);
  EXPECT_DOUBLE_EQ(square.GetBBox().left, 1000 + d);
  EXPECT_DOUBLE_EQ(square.GetBBox().bottom, 1000 + d);
  view->OnKeyDown(win::VK_LEFT, 1, 0);
  view->OnKeyDown(win::VK_DOWN, 1, 0);
  EXPECT_DOUBLE_EQ(square.GetBBox().left, 1000);
  EXPECT_DOUBLE_EQ(square.GetBBox().bottom, 1000);
  // The tool saw every key first.
  EXPECT_EQ(host.toolKeys, (std::vector<unsigned>{win::VK_RIGHT, win::VK_UP, win::VK_LEFT, win::VK_DOWN}));

  // With nothing selected the move still records a step and marks the project.
  Selection().Clear();
  document->modified = false;
  const std::size_t steps = document->UndoCount();
  view->OnKeyDown(win::VK_LEFT, 1, 0);
  EXPECT_EQ(document->UndoCount(), steps + 1);
  EXPECT_TRUE(document->modified);
}

TEST_F(ViewCommandsTest, EscapeMakesTheSelectToolCurrentAndClearsTheSelection) {
  view->AddToSelection(AddSquare(0, 0, 100, 0.0));
  host.toolId = kPolylineTool;
  view->OnKeyDown(win::VK_ESCAPE, 1, 0);
  EXPECT_EQ(host.toolId, kSelectTool);
  EXPECT_TRUE(Selection().IsEmpty());
}

TEST_F(ViewCommandsTest, KeyIAsksForTheIndexOfOneClosedPolygonAfterThePolylineOrRectangleTool) {
  CConductorPolygon& square = AddSquare(0, 0, 100, 0.0);
  square.conductorIndex = 3;
  view->AddToSelection(square);
  view->OnKeyDown('I', 1, 0);
  EXPECT_TRUE(host.indexTexts.empty()) << "the Select tool is current";
  for (const int tool : {kPolylineTool, kRectangleTool}) {
    host.toolId = tool;
    view->OnKeyDown('I', 1, 0);
  }
  EXPECT_EQ(host.indexTexts, (std::vector<std::string>{"3", "3"}));
  square.SetClosed(false);
  view->OnKeyDown('I', 1, 0);
  EXPECT_EQ(host.indexTexts.size(), 2u) << "an open polygon";
}

TEST_F(ViewCommandsTest, IndexStartsWithTheCommonIndexOrEmptyAndSetsTheAnswerInOneStep) {
  CConductorPolygon& a = AddSquare(0, 0, 100, 0.0);
  CConductorPolygon& b = AddSquare(500, 500, 100, 0.0);
  a.conductorIndex = 3;
  b.conductorIndex = 4;
  view->OnIndex();
  EXPECT_TRUE(host.indexTexts.empty()) << "nothing selected";
  view->AddToSelection(a);
  view->AddToSelection(b);
  const std::size_t steps = document->UndoCount();
  view->OnIndex();  // cancelled
  EXPECT_EQ(document->UndoCount(), steps);
  host.indexAnswer = 7;
  view->OnIndex();
  EXPECT_EQ(host.indexTexts, (std::vector<std::string>{"", ""}));
  EXPECT_EQ(a.conductorIndex, 7u);
  EXPECT_EQ(b.conductorIndex, 7u);
  EXPECT_EQ(document->UndoCount(), steps + 1);

  // A via in the selection: no dialog.
  view->AddToSelection(AddVia(1000, 1000, 100.0));
  view->OnIndex();
  EXPECT_EQ(host.indexTexts.size(), 2u);
}

TEST_F(ViewCommandsTest, RightClickSelectsWhatIsHitAndChoosesTheMenuOfItsKind) {
  CConductorPolygon& square = AddSquare(1000, 1000, 400, 0.0);
  CVia& via = AddVia(2000, 2000, 100.0);
  CConductorPolygon& other = AddSquare(100, 100, 100, 0.0);
  view->AddToSelection(other);
  EXPECT_EQ(view->OnContextMenu(view->WorldToScreen({1200, 1200})), ViewCore::kMenuPolygons);
  EXPECT_EQ(Selection().GetObjects(), std::vector<CShape*>{&square});
  EXPECT_EQ(view->OnContextMenu(view->WorldToScreen({2000, 2000})), ViewCore::kMenuVias);
  EXPECT_EQ(Selection().GetObjects(), std::vector<CShape*>{&via});
  // A selected object keeps a mixed selection, whose menu is the plain one.
  view->AddToSelection(square);
  EXPECT_EQ(view->OnContextMenu(view->WorldToScreen({1200, 1200})), ViewCore::kMenuEmpty);
  EXPECT_EQ(Selection().GetCount(), 2);
  EXPECT_EQ(view->OnContextMenu(view->WorldToScreen({2400, 600})), ViewCore::kMenuEmpty);
  EXPECT_TRUE(Selection().IsEmpty());
  EXPECT_GE(host.toolCancels, 4);
}

TEST_F(ViewCommandsTest, CancelledNewPolygonLeavesTheModelAsBeforeAndTwoMoreUndoSteps) {
  view->SetActiveLayer(100.0);
  const std::size_t steps = document->UndoCount();
  view->OnNewPolygon();
  ASSERT_EQ(host.polygonDialogs.size(), 1u);
  EXPECT_TRUE(host.polygonDialogs[0].newPolygon);
  EXPECT_EQ(host.polygonDialogs[0].z, 100.0);
  EXPECT_EQ(Layer(100.0).GetShapeCount(), 0);
  EXPECT_EQ(document->UndoCount(), steps + 2);
  EXPECT_TRUE(Selection().IsEmpty());
  EXPECT_EQ(view->GetNodeDisplay(), 0);

  // While the dialog runs the new polygon is selected and shown by its nodes.
  host.polygonDialog = [this](CConductorPolygon& polygon) {
    EXPECT_TRUE(view->IsSelected(&polygon));
    EXPECT_EQ(view->GetNodeDisplay(), 1);
    polygon.AddNode({0, 0, 100.0});
    polygon.AddNode({100, 0, 100.0});
    return true;
  };
  view->OnNewPolygon();
  EXPECT_EQ(Layer(100.0).GetShapeCount(), 1);
  EXPECT_EQ(view->GetNodeDisplay(), 0);
}

// What Undo brings back of a cancelled figure, a polygon without nodes (New
// Polygon, Cancel, Undo) or an open one of one node, takes every command and
// is carried by Copy and Paste.
TEST_F(ViewCommandsTest, PolygonsUndoBringsBackWithoutNodesTakeEveryCommand) {
  view->SetActiveLayer(100.0);
  view->OnNewPolygon();
  document->Undo();
  CConductorPolygon dot;
  dot.AddNode({50, 50, 100.0});
  document->RemoveObjectAt(100.0, document->AddObjectCopyAt(100.0, dot));
  document->Undo();
  ASSERT_EQ(Layer(100.0).GetShapeCount(), 2);
  CConductorPolygon& empty = *Layer(100.0).GetShapes().front();
  ASSERT_TRUE(empty.GetNodes().IsEmpty());
  const auto one = [&] {
    Selection().Clear();
    view->AddToSelection(empty);
  };
  const std::pair<const char*, std::function<void()>> commands[] = {
      {"copy", [&] { view->Copy(); }},
      {"paste", [&] { EXPECT_EQ(view->Paste(0.0).size(), 2u); }},
      {"paste with offset", [&] { view->PasteWithOffset(); }},
      {"arrow", [&] { view->OnKeyDown(win::VK_RIGHT, 1, 0); }},
      {"bring to front", [&] { one(), view->BringToFront(); }},
      {"send to back", [&] { one(), view->SendToBack(); }},
      {"properties", [&] { one(), view->PolygonProperties(); }},
      {"cut", [&] { view->Cut(); }},
      {"delete", [&] { view->Undo(), view->SelectAll(), view->DeleteSelection(); }},
  };
  for (const auto& [name, run] : commands) {
    SCOPED_TRACE(name);
    view->SelectAll();
    EXPECT_EQ(ThrownText(run), "");
  }
  EXPECT_EQ(ObjectCount(), 0);
  EXPECT_EQ(host.messages, std::vector<std::string>{});
}

TEST_F(ViewCommandsTest, PropertiesOpensTheDialogOfTheOneSelectedObjectsKind) {
  CConductorPolygon& square = AddSquare(1000, 1000, 400, 100.0);
  CVia& via = AddVia(2000, 2000, 100.0);
  view->Properties();
  EXPECT_TRUE(host.polygonDialogs.empty());
  view->AddToSelection(square);
  view->Properties();
  ASSERT_EQ(host.polygonDialogs.size(), 1u);
  EXPECT_EQ(host.polygonDialogs[0].polygon, &square);
  EXPECT_FALSE(host.polygonDialogs[0].newPolygon);
  EXPECT_EQ(host.polygonDialogs[0].z, 100.0);

  Selection().Clear();
  view->AddToSelection(via);
  const std::uint32_t id = via.id;
  // Cancelled: nothing changes, nothing is recorded.
  const std::size_t before = document->UndoCount();
  services.dialogs.via = [](ViaDialogValues& values) {
    values.radius = 99.0;
    return false;
  };
  view->Properties();
  EXPECT_DOUBLE_EQ(via.GetRadius(), 10.0);
  EXPECT_EQ(document->UndoCount(), before);
  services.dialogs.via = [](ViaDialogValues& values) {
    EXPECT_FALSE(values.newVia);
    values.radius *= 2.0;
    return true;
  };
  const std::size_t steps = document->UndoCount();
  view->Properties();
  EXPECT_DOUBLE_EQ(via.GetRadius(), 20.0);
  EXPECT_EQ(via.id, id);
  EXPECT_EQ(Model().GetVias().front().get(), &via) << "the same via object, in its place";
  EXPECT_EQ(document->UndoCount(), steps + 1);

  // Two objects: nothing.
  view->AddToSelection(square);
  view->Properties();
  EXPECT_EQ(host.polygonDialogs.size(), 1u);
}

TEST_F(ViewCommandsTest, BringToFrontAndSendToBackChangeTheDrawOrderOfOnePolygon) {
  CConductorPolygon& first = AddSquare(0, 0, 100, 0.0);
  CConductorPolygon& second = AddSquare(50, 50, 100, 0.0);
  view->AddToSelection(first);
  view->BringToFront();
  EXPECT_EQ(Layer(0.0).GetShapes().back().get(), &first);
  view->GetSelection().Clear();
  view->AddToSelection(second);
  view->SendToBack();
  EXPECT_EQ(Layer(0.0).GetShapes().front().get(), &second);
  view->AddToSelection(first);
  const std::size_t steps = document->UndoCount();
  view->BringToFront();  // two selected: nothing
  EXPECT_EQ(document->UndoCount(), steps);
}

TEST_F(ViewCommandsTest, ZoomCommandsStopAtTheLimitsAndDisplayTogglesRepaint) {
  view->SetZoom(16.0, {0, 0}, true);
  EXPECT_FALSE(view->CanZoomIn());
  view->ZoomInCentre();
  EXPECT_EQ(view->GetZoom(), 16.0f);
  view->SetZoom(0.1, {0, 0}, true);
  EXPECT_FALSE(view->CanZoomOut());
  EXPECT_TRUE(view->CanZoomIn());
  view->ZoomOutCentre();
  EXPECT_EQ(view->GetZoom(), 0.1f);
  view->ZoomInCentre();
  EXPECT_EQ(view->GetZoom(), 0.25f);

  const bool grid = view->IsShowGrid();
  const int repaints = host.repaints;
  view->ToggleShowGrid();
  EXPECT_NE(view->IsShowGrid(), grid);
  EXPECT_EQ(host.repaints, repaints + 1);
  const bool snap = view->IsSnapToGrid();
  view->ToggleSnapToGrid();
  EXPECT_NE(view->IsSnapToGrid(), snap);
  view->SetRenderModeCommand(1);
  EXPECT_EQ(view->GetRenderMode(), 1);
  const int afterWire = host.repaints;
  view->SetRenderModeCommand(1);
  EXPECT_EQ(host.repaints, afterWire) << "no change, no repaint";
}

TEST_F(ViewCommandsTest, PasteOfAViaWhoseLayerIsGoneSaysSoAndPastesNothing) {
  AddSquare(1000, 1000, 100, 0.0);
  // The clipboard of another project: a polygon and a via whose top layer
  // this project does not have.
  CVia stranger(10.0, 500, 500, nullptr, nullptr, true);
  host.clipboard.push_back(ClipboardObject{Square(0, 0, 100, 0.0).Clone(), 0.0, 0.0});
  host.clipboard.push_back(ClipboardObject{stranger.Clone(), 300.0, 0.0});
  const int before = ObjectCount();
  const std::size_t steps = document->UndoCount();
  EXPECT_EQ(ThrownText([&] { view->Paste(0.0); }), "Layer does not exist");
  EXPECT_EQ(ObjectCount(), before);
  EXPECT_EQ(document->UndoCount(), steps);
}

}  // namespace
}  // namespace quor::test
