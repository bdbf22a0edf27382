// The Polygon dialog's node editing on a real grid control and a document
// whose framework is faked.
#include <gtest/gtest.h>

#include <utility>

#include "DocumentBuilders.h"
#include "editor/grid/GridMessages.h"
#include "editor/grid/GridTestHarness.h"
#include "editor/model/CStructure.h"
#include "editor/ui/polygondialog/GridNumberText.h"
#include "editor/ui/polygondialog/PolygonDialogCore.h"

namespace quor::test {
namespace {

using grid::test::GridHarness;

class PolygonDialogCoreTest : public ::testing::Test {
 protected:
  CConductorPolygon& AddTriangle() {
    CConductorPolygon triangle;
    for (const auto& [x, y] : {std::pair{0.0, 0.0}, {254.0, 0.0}, {254.0, 508.0}})
      triangle.AddNode({x, y, 0.0});
    triangle.SetClosed(true);
    triangle.conductorIndex = 2;
    return document->AddObjectCopyAt(0.0, triangle);
  }

  std::unique_ptr<PolygonDialogCore> Open(CConductorPolygon& polygon, bool isNew = false) {
    auto core = std::make_unique<PolygonDialogCore>(
        *document, polygon, 0.0, isNew,
        [this](win::UINT message, win::WPARAM wParam, win::LPARAM lParam) {
          return harness.Send(message, wParam, lParam);
        },
        PolygonDialogCore::ViewHooks{[this](int node) { highlighted = node; }, [this] { ++repaints; }});
    core->Init(330);
    return core;
  }

  void Edit(PolygonDialogCore& core, int row, int column, const std::string& text) {
    harness.SetCell(row, column, text);
    core.OnGridNotify(grid::GRN_EDITFINISHED, row, column);
  }

  void PutCursorOn(int row) { harness.Send(grid::GRM_MOVECURSOR, row, 1); }

  FakeServices services;
  std::unique_ptr<FakeProjectDocument> document = NewProject(services);
  GridHarness harness;
  int highlighted = -2;
  int repaints = 0;
};

TEST_F(PolygonDialogCoreTest, FillsTheGridInDisplayUnits) {
  ASSERT_STREQ(document->GetUnitName(), "mil");
  CConductorPolygon& triangle = AddTriangle();
  auto core = Open(triangle);
  EXPECT_EQ(harness.Text(0, 1), "x [mil]");
  EXPECT_EQ(harness.Text(0, 2), "y [mil]");
  EXPECT_EQ(harness.Text(2, 1), "100.");
  EXPECT_EQ(harness.Text(3, 2), "200.");
  EXPECT_EQ(core->GetNodeRows(), 3);
  EXPECT_TRUE(core->IsClosedChecked());
  EXPECT_TRUE(core->IsClosedEnabled());
  EXPECT_EQ(core->GetConductorIndex(), 2);
}

TEST_F(PolygonDialogCoreTest, ANewPolygonGrowsRowByRow) {
  CConductorPolygon polygon;
  auto core = Open(polygon, true);
  EXPECT_FALSE(core->IsOkEnabled());
  EXPECT_FALSE(core->IsClosedEnabled());
  Edit(*core, 1, 1, "10");
  Edit(*core, 1, 2, "20");
  EXPECT_EQ(polygon.GetNodes().GetCount(), 1);
  EXPECT_FALSE(core->IsOkEnabled());
  Edit(*core, 2, 2, "");
  EXPECT_EQ(harness.Text(2, 2), "0");
  EXPECT_EQ(polygon.GetNodes().GetCount(), 2);
  EXPECT_TRUE(core->IsOkEnabled());
  EXPECT_DOUBLE_EQ(polygon.GetNodes().GetAt(0)->y, document->FromDisplayUnits(20));
}

TEST_F(PolygonDialogCoreTest, EditingBelowTheLastNodeAddsTheRowsBetween) {
  CConductorPolygon& triangle = AddTriangle();
  auto core = Open(triangle);
  Edit(*core, 5, 1, "3");
  ASSERT_EQ(triangle.GetNodes().GetCount(), 5);
  EXPECT_DOUBLE_EQ(triangle.GetNodes().GetAt(3)->x, 0.0);
  EXPECT_DOUBLE_EQ(triangle.GetNodes().GetAt(3)->y, 0.0);
  EXPECT_DOUBLE_EQ(triangle.GetNodes().GetAt(4)->x, 3 * 2.54);
  EXPECT_TRUE(triangle.IsClosed());
}

TEST_F(PolygonDialogCoreTest, InsertAndDeleteNodes) {
  CConductorPolygon& triangle = AddTriangle();
  auto core = Open(triangle);
  PutCursorOn(2);
  core->InsertBefore();
  ASSERT_EQ(triangle.GetNodes().GetCount(), 4);
  EXPECT_EQ(harness.Text(2, 1), "0");
  EXPECT_EQ(harness.Text(3, 1), "100.");
  EXPECT_DOUBLE_EQ(triangle.GetNodes().GetAt(2)->x, 254);
  EXPECT_EQ(highlighted, 1);

  core->DeleteNode();
  core->DeleteNode();
  // Two nodes left: the path opens and Closed is off, OK stays.
  EXPECT_EQ(triangle.GetNodes().GetCount(), 2);
  EXPECT_FALSE(triangle.IsClosed());
  EXPECT_FALSE(core->IsClosedEnabled());
  EXPECT_TRUE(core->IsOkEnabled());
  EXPECT_EQ(harness.Text(2, 1), "100.");
  EXPECT_EQ(harness.Kind(3, 1), 0);
  EXPECT_DOUBLE_EQ(triangle.GetNodes().GetAt(1)->y, 508);

  PutCursorOn(3);
  EXPECT_FALSE(core->IsCursorOnNode());
  core->DeleteNode();
  EXPECT_EQ(triangle.GetNodes().GetCount(), 2);
}

TEST_F(PolygonDialogCoreTest, UntouchedValuesKeepTheirExactValue) {
  CConductorPolygon polygon;
  for (const double x : {1234567.0, 1.0, 7.0}) polygon.AddNode({x, x / 3, 0.0});
  CConductorPolygon& added = document->AddObjectCopyAt(0.0, polygon);
  auto core = Open(added);
  Edit(*core, 1, 2, "5");
  Edit(*core, 4, 1, "1");
  EXPECT_DOUBLE_EQ(added.GetNodes().GetAt(0)->x, 1234567.0);
  EXPECT_DOUBLE_EQ(added.GetNodes().GetAt(1)->y, 1.0 / 3);
  EXPECT_DOUBLE_EQ(added.GetNodes().GetAt(0)->y, 5 * 2.54);
}

// A node cell left without a number a project holds (mil: 1e308 overflows)
// changes no node, keeps what was typed and stays named until it is mended.
TEST_F(PolygonDialogCoreTest, ACellWithoutAStorableNumberChangesNoNode) {
  CConductorPolygon& triangle = AddTriangle();
  auto core = Open(triangle);
  for (const char* text : {"inf", "-inf", "nan", "1e400", "1e308", "abc"}) {
    harness.SetCell(2, 2, text);
    const auto refused = core->OnGridNotify(grid::GRN_EDITFINISHED, 2, 2);
    ASSERT_TRUE(refused) << text;
    EXPECT_EQ(std::pair(refused->row, refused->column), std::pair(2, 2)) << text;
    EXPECT_EQ(triangle.GetNodes().GetAt(1)->y, 0.0) << text;
    EXPECT_EQ(harness.Text(2, 2), text);
    ASSERT_TRUE(core->FindUnreadableNode()) << text;
    EXPECT_EQ(core->FindUnreadableNode()->row, 2);
  }
  // Nor does an edit below the nodes add rows when one of them holds no number.
  harness.SetCell(4, 1, "x");
  harness.SetCell(5, 1, "1");
  EXPECT_EQ(core->OnGridNotify(grid::GRN_EDITFINISHED, 5, 1)->row, 4);
  EXPECT_EQ(triangle.GetNodes().GetCount(), 3);
  for (const char* text : {"99999999999", "-1", ""}) {
    harness.SetCell(2, 2, text);
    EXPECT_FALSE(core->OnGridNotify(grid::GRN_EDITFINISHED, 2, 2)) << text;
  }
  EXPECT_DOUBLE_EQ(triangle.GetNodes().GetAt(1)->y, 0.0);
  EXPECT_FALSE(core->FindUnreadableNode());
}

TEST_F(PolygonDialogCoreTest, OkFilesOneUndoStepAndCancelRestores) {
  CConductorPolygon& triangle = AddTriangle();
  const std::size_t undoSteps = document->UndoCount();
  {
    auto core = Open(triangle);
    Edit(*core, 1, 1, "50");
    core->SetClosed(false);
    EXPECT_FALSE(triangle.IsClosed());
    core->Cancel();
  }
  EXPECT_DOUBLE_EQ(triangle.GetNodes().GetAt(0)->x, 0);
  EXPECT_TRUE(triangle.IsClosed());
  EXPECT_EQ(triangle.conductorIndex, 2u);
  EXPECT_EQ(document->UndoCount(), undoSteps);

  auto core = Open(triangle);
  Edit(*core, 1, 1, "50");
  EXPECT_EQ(core->Ok(3, std::nullopt), "Please select a layer");
  services.hints.clear();
  EXPECT_EQ(core->Ok(3, 0.0), std::nullopt);
  EXPECT_EQ(triangle.conductorIndex, 3u);
  EXPECT_EQ(document->UndoCount(), undoSteps + 1);
  ASSERT_EQ(services.hints.size(), 1u);
  EXPECT_EQ(services.hints[0].hint, UpdateHint::HintPolygonEdited);

  document->Undo();
  const CConductorPolygon& restored = *document->GetModel().GetLayerByIndex(0).GetShapes().back();
  EXPECT_DOUBLE_EQ(restored.GetNodes().GetAt(0)->x, 0);
  EXPECT_EQ(restored.conductorIndex, 2u);
}

TEST_F(PolygonDialogCoreTest, ManyNodesFillAsManyRows) {
  CConductorPolygon polygon;
  for (int i = 0; i < 120; ++i) polygon.AddNode({i * 2.54, 0.0, 0.0});
  CConductorPolygon& added = document->AddObjectCopyAt(0.0, polygon);
  auto core = Open(added);
  EXPECT_GE(harness.Send(grid::GRM_GETROWCOUNT), 120);
  EXPECT_EQ(harness.Text(120, 1), "119.");
}

}  // namespace
}  // namespace quor::test
