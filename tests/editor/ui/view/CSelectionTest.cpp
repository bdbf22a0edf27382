// The selection: its kinds, the common conductor index, duplicates, handles,
// and its edits as one undo step each through the document.
#include <gtest/gtest.h>

#include "ViewTestProject.h"
#include "editor/model/CStructure.h"
#include "editor/model/Point3.h"
#include "editor/model/ThrownText.h"

namespace quor::test {
namespace {

class CSelectionTest : public ::testing::Test, public ViewTestProject {
 protected:
  void SetUp() override { Model().AddLayer(CDielectric(2.0, 100.0), std::nullopt, true, false); }

  CSelection& Selection() { return view->GetSelection(); }
};

TEST_F(CSelectionTest, KindIsCommonOrMixedAndNothingSelectedThrows) {
  EXPECT_EQ(ThrownText([&] { Selection().GetType(); }), "Nothing is selected");
  CPolyline line;
  Selection().Add(line);
  EXPECT_EQ(Selection().GetType(), CShape::kPolyline);
  Selection().Clear();
  CConductorPolygon& square = AddSquare(0, 0, 100, 0.0);
  CVia& via = AddVia(500, 500, 100.0);
  Selection().Add(square);
  EXPECT_EQ(Selection().GetType(), CShape::kConductorPolygon);
  Selection().Add(via);
  EXPECT_EQ(Selection().GetType(), CSelection::kMixed);
  Selection().Clear();
  Selection().Add(via);
  EXPECT_EQ(Selection().GetType(), CShape::kVia);
}

TEST_F(CSelectionTest, ConductorIndexIsCommonOrMinusOneAndNeedsPolygonsOnly) {
  CConductorPolygon& a = AddSquare(0, 0, 100, 0.0);
  CConductorPolygon& b = AddSquare(200, 0, 100, 100.0);
  CVia& via = AddVia(500, 500, 100.0);
  a.conductorIndex = 3;
  b.conductorIndex = 3;
  Selection().Add(a);
  Selection().Add(b);
  EXPECT_EQ(Selection().GetConductorIndex(), 3);
  Selection().Add(via);
  EXPECT_EQ(ThrownText([&] { Selection().GetConductorIndex(); }), "Error: polygon is not selected");
  // The walk ends at the first index that differs.
  b.conductorIndex = 4;
  EXPECT_EQ(Selection().GetConductorIndex(), -1);

  Selection().Clear();
  Selection().Add(a);
  Selection().Add(b);
  const std::size_t steps = document->UndoCount();
  Selection().SetConductorIndex(7);
  EXPECT_EQ(Selection().GetConductorIndex(), 7);
  EXPECT_EQ(document->UndoCount(), steps + 1);
  EXPECT_EQ(services.hints.back().hint, UpdateHint::HintConductorIndex);
}

TEST_F(CSelectionTest, AnObjectIsListedOnceHoweverItIsAdded) {
  CConductorPolygon& square = AddSquare(0, 0, 100, 0.0);
  CConductorPolygon& other = AddSquare(300, 0, 100, 0.0);
  Selection().Add(square);
  Selection().Add(square);
  Selection().SelectInRect({1000.0, -10.0, -10.0, 1000.0});
  EXPECT_EQ(Selection().GetObjects(), (std::vector<CShape*>{&square, &other}));
  // Deleting a selection that listed one twice would free it twice.
  Selection().Delete();
  EXPECT_EQ(Model().FindLayerByZ(0.0).GetShapeCount(), 0);
}

TEST_F(CSelectionTest, OffsetIsOneUndoStepEvenWhenEmpty) {
  CConductorPolygon& square = AddSquare(0, 0, 100, 0.0);
  CVia& via = AddVia(500, 500, 100.0);
  const std::size_t steps = document->UndoCount();
  Selection().Offset({5.0, -5.0, 0.0});
  EXPECT_EQ(document->UndoCount(), steps + 1);
  Selection().Add(square);
  Selection().Add(via);
  Selection().Offset({10.0, 20.0, 0.0});
  EXPECT_EQ(document->UndoCount(), steps + 2);
  EXPECT_EQ(square.GetNodes().GetHead(), (Point3{10.0, 20.0, 0.0}));
  EXPECT_EQ(via.GetX(), 510.0);
  // A move keeps the selection.
  EXPECT_EQ(Selection().GetCount(), 2);
  EXPECT_EQ(Selection().GetBounds(), (DoubleRect{530.0, 20.0, 10.0, 520.0}));
  document->Undo();
  EXPECT_EQ(Model().FindLayerByZ(0.0).GetShapes().front()->GetNodes().GetHead(), Point3());
}

TEST_F(CSelectionTest, DeleteOfSeveralIsOneUndoStepAndOfOnePolygonUsesItsOwnLayer) {
  CConductorPolygon& low = AddSquare(0, 0, 100, 0.0);
  CConductorPolygon& high = AddSquare(0, 0, 100, 100.0);
  AddVia(500, 500, 100.0);
  view->SetActiveLayer(0.0);
  Selection().Add(high);
  const std::size_t steps = document->UndoCount();
  Selection().Delete();
  EXPECT_EQ(Model().FindLayerByZ(100.0).GetShapeCount(), 0);
  EXPECT_TRUE(Selection().IsEmpty());

  Selection().SelectAll();
  EXPECT_EQ(Selection().GetObjects().front(), &low);
  ASSERT_EQ(Selection().GetCount(), 2);
  Selection().Delete();
  EXPECT_EQ(document->UndoCount(), steps + 2);
  EXPECT_EQ(Model().GetViaCount(), 0);
  EXPECT_EQ(Model().FindLayerByZ(0.0).GetShapeCount(), 0);
  document->Undo();
  EXPECT_EQ(Model().GetViaCount(), 1);
  EXPECT_EQ(Model().FindLayerByZ(0.0).GetShapeCount(), 1);
}

TEST_F(CSelectionTest, HandlesAreHitOnlyOnASinglePolygon) {
  CConductorPolygon& square = AddSquare(0, 0, 100, 0.0);
  int handle = -1;
  const Point3 topLeftHandle{-10.0, 110.0, 0.0};
  EXPECT_EQ(Selection().HitTestHandle(topLeftHandle, handle, 2.0, 10.0), nullptr);
  Selection().Add(square);
  EXPECT_EQ(Selection().HitTestHandle(topLeftHandle, handle, 2.0, 10.0), &square);
  EXPECT_EQ(handle, 4);
  Selection().Add(AddVia(500, 500, 100.0));
  handle = -1;
  EXPECT_EQ(Selection().HitTestHandle(topLeftHandle, handle, 2.0, 10.0), nullptr);
  EXPECT_EQ(handle, -1);
}

}  // namespace
}  // namespace quor::test
