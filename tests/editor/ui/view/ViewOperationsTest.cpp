// The view operations the tools share: tolerances in pixels at the current
// zoom, tests restricted to the selection, and the resize as one undo step.
#include <gtest/gtest.h>

#include "ViewTestProject.h"
#include "editor/model/CStructure.h"
#include "editor/model/Point3.h"

namespace quor::test {
namespace {

class ViewOperationsTest : public ::testing::Test, public ViewTestProject {
 protected:
  void SetUp() override { Model().AddLayer(CDielectric(2.0, 100.0), std::nullopt, true, false); }

  double Pixels(double n) const { return view->PixelsToUnits(n); }
};

TEST_F(ViewOperationsTest, HitTestUsesThreePixelsAtTheCurrentZoomAndPrefersVias) {
  CConductorPolygon& square = AddSquare(1000, 1000, 400, 100.0);
  CVia& via = AddVia(1300, 1300, 100.0);  // radius 10
  EXPECT_EQ(view->HitTest({1100, 1100, 100.0}), &square);
  EXPECT_EQ(view->HitTest({1300, 1300, 100.0}), &via);
  EXPECT_EQ(view->HitTest({1310 + Pixels(2.5), 1300, 100.0}), &via);
  EXPECT_EQ(view->HitTest({1300, 1310 + Pixels(3.5), 100.0}), &square);
  EXPECT_EQ(view->HitTest({1600, 1600, 100.0}), nullptr);
  // Zoomed in, the same world distance is more pixels away.
  const double nearAtFit = 10 + Pixels(2.5);
  view->SetZoom(4.0, {0, 0}, true);
  EXPECT_EQ(view->HitTest({1300 + nearAtFit, 1300, 100.0}), &square);
  EXPECT_EQ(view->HitTest({1310 + Pixels(2.5), 1300, 100.0}), &via);
}

TEST_F(ViewOperationsTest, SelectionQueriesAndRectangleSelectionAddWithoutDuplicates) {
  CConductorPolygon& a = AddSquare(100, 100, 100, 0.0);
  CConductorPolygon& b = AddSquare(1000, 1000, 100, 100.0);
  EXPECT_FALSE(view->IsSelected(&a));
  view->AddToSelection(a);
  EXPECT_TRUE(view->IsSelected(&a));
  EXPECT_FALSE(view->IsSelected(&b));
  // The rectangle adds to what is selected and lists nothing twice.
  view->SelectInRect({2000.0, 0.0, 0.0, 2000.0});
  EXPECT_EQ(view->GetSelection().GetCount(), 2);
  EXPECT_TRUE(view->IsSelected(&b));
}

TEST_F(ViewOperationsTest, SelectionHandleIsHitOnlyNearACornerOfOneSelectedPolygon) {
  CConductorPolygon& square = AddSquare(1000, 1000, 400, 100.0);
  int handle = -1;
  EXPECT_EQ(view->HitTestSelectionHandle({1000, 1000, 100.0}, handle), nullptr);
  view->AddToSelection(square);
  for (int corner = 4; corner <= 7; ++corner) {
    const Point2 at = square.GetHandlePoint(corner, Pixels(10));
    handle = -1;
    EXPECT_EQ(view->HitTestSelectionHandle({at.x + Pixels(5), at.y - Pixels(5), 100.0}, handle), &square);
    EXPECT_EQ(handle, corner);
  }
  const Point2 at = square.GetHandlePoint(4, Pixels(10));
  handle = -1;
  EXPECT_EQ(view->HitTestSelectionHandle({at.x + Pixels(7), at.y, 100.0}, handle), nullptr);
  EXPECT_EQ(handle, -1);
  // Two objects selected: no handles.
  view->AddToSelection(AddSquare(0, 0, 100, 0.0));
  EXPECT_EQ(view->HitTestSelectionHandle({at.x, at.y, 100.0}, handle), nullptr);
}

TEST_F(ViewOperationsTest, NodesAndEdgesAreFoundOnSelectedPolygonsAtTheirOwnHeight) {
  CConductorPolygon& low = AddSquare(0, 0, 400, 0.0);
  CConductorPolygon& high = AddSquare(1000, 1000, 400, 100.0);
  EXPECT_EQ(view->HitTestSelectedNode({1000, 1000}), nullptr);
  std::vector<Point3*> nodes;
  EXPECT_EQ(view->SelectNodesInRect({3000.0, -100.0, -100.0, 3000.0}, nodes), 0);
  Point3* first = nullptr;
  Point3* second = nullptr;
  EXPECT_FALSE(view->HitTestSelectedEdge({1200, 1000}, first, second));

  view->AddToSelection(low);
  view->AddToSelection(high);
  Point3* node = view->HitTestSelectedNode({1000 + Pixels(4), 1000 - Pixels(4)});
  ASSERT_NE(node, nullptr);
  EXPECT_EQ(*node, (Point3{1000, 1000, 100.0}));
  EXPECT_EQ(view->HitTestSelectedNode({1000 + Pixels(7), 1000}), nullptr);

  // Every node of the low square and the one corner of the high square
  // inside the rectangle; a node on its border would not count.
  EXPECT_EQ(view->SelectNodesInRect({1300.0, -10.0, -10.0, 1300.0}, nodes), 5);
  // On the border: the low square's three corners on the axes drop out.
  EXPECT_EQ(view->SelectNodesInRect({1300.0, 0.0, 0.0, 1300.0}, nodes), 2);
  nodes.clear();
  EXPECT_EQ(view->SelectNodesInRect({1300.0, -10.0, -10.0, 1300.0}, nodes), 5);
  EXPECT_EQ(nodes.size(), 5u);

  ASSERT_TRUE(view->HitTestSelectedEdge({1200, 1000 + Pixels(3.5)}, first, second));
  EXPECT_EQ(first->y, 1000.0);
  EXPECT_EQ(second->y, 1000.0);
  EXPECT_FALSE(view->HitTestSelectedEdge({1200, 1000 + Pixels(4.5)}, first, second));
}

TEST_F(ViewOperationsTest, ResizeScalesTheFirstSelectedPolygonInOneUndoStep) {
  CConductorPolygon& square = AddSquare(1000, 1000, 400, 100.0);
  const std::size_t steps = document->UndoCount();
  view->ResizeSelection({1000, 1000, 100.0}, {1800, 1200, 100.0}, {1400, 1400, 100.0});
  EXPECT_EQ(document->UndoCount(), steps);  // nothing selected, nothing recorded

  view->AddToSelection(square);
  view->ResizeSelection({1000, 1000, 100.0}, {1800, 1200, 100.0}, {1400, 1400, 100.0});
  EXPECT_EQ(document->UndoCount(), steps + 1);
  const DoubleRect box = square.GetBBox();
  EXPECT_DOUBLE_EQ(box.right, 1800.0);
  EXPECT_DOUBLE_EQ(box.top, 1200.0);
  EXPECT_DOUBLE_EQ(box.left, 1000.0);
  // The scale keeps the selection: the tool goes on dragging the same polygon.
  EXPECT_TRUE(view->IsSelected(&square));
}

}  // namespace
}  // namespace quor::test
