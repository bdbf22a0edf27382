#include "editor/model/Point3List.h"

#include <gtest/gtest.h>

#include "editor/model/DoubleRect.h"
#include "platform/error/TextError.h"

namespace quor {
namespace {

Point3List ListOf(int count) {
  Point3List list;
  for (int i = 0; i < count; ++i) list.AddTail(Point3(i, 10.0 * i, 0));
  return list;
}

std::vector<double> Xs(Point3List& list) {
  std::vector<double> xs;
  list.ResetCursor();
  while (const Point3* point = list.GetNext()) xs.push_back(point->x);
  return xs;
}

TEST(Point3ListTest, EmptyListThrowsForHeadAndTailButNotForIndexOrWalk) {
  Point3List list;
  try {
    list.GetHead();
    FAIL() << "no exception";
  } catch (const TextError& e) {
    EXPECT_STREQ(e.Text(), "List is empty");
  }
  EXPECT_THROW(list.GetTail(), TextError);
  EXPECT_EQ(list.GetAt(0), nullptr);
  list.ResetCursor();
  EXPECT_EQ(list.GetNext(), nullptr);
  list.RemoveAll();
  EXPECT_EQ(list.GetCount(), 0);
}

TEST(Point3ListTest, IndexOutsideTheListGivesNullAndRemovesNothing) {
  Point3List list = ListOf(3);
  EXPECT_EQ(list.GetAt(-1), nullptr);
  EXPECT_EQ(list.GetAt(3), nullptr);
  ASSERT_NE(list.GetAt(2), nullptr);
  EXPECT_EQ(list.GetAt(2)->x, 2);
  list.RemoveAt(3);
  list.RemoveAt(-1);
  EXPECT_EQ(Xs(list), (std::vector<double>{0, 1, 2}));
}

TEST(Point3ListTest, RemovingTheTailKeepsAppendingCorrect) {
  Point3List list = ListOf(3);
  list.RemoveAt(2);
  EXPECT_EQ(list.GetTail().x, 1);
  list.AddTail(Point3(7, 0, 0));
  list.RemoveAt(0);
  EXPECT_EQ(Xs(list), (std::vector<double>{1, 7}));
  EXPECT_EQ(list.GetHead().x, 1);
  list.RemoveAt(0);
  list.RemoveAt(0);
  EXPECT_THROW(list.GetTail(), TextError);
  list.AddTail(Point3(9, 0, 0));
  EXPECT_EQ(list.GetHead().x, 9);
  EXPECT_EQ(list.GetTail().x, 9);
}

TEST(Point3ListTest, RemovingTheNodeAtTheCursorContinuesTheWalk) {
  Point3List list = ListOf(3);
  list.ResetCursor();
  list.GetNext();  // the cursor now stands on node 1
  list.RemoveAt(1);
  const Point3* next = list.GetNext();
  ASSERT_NE(next, nullptr);
  EXPECT_EQ(next->x, 2);
  EXPECT_EQ(list.GetNext(), nullptr);
}

TEST(Point3ListTest, CopiesAreDeepAndSelfAssignmentKeepsTheNodes) {
  Point3List list = ListOf(3);
  Point3List copy(list);
  copy.GetAt(0)->x = 42;
  EXPECT_EQ(list.GetAt(0)->x, 0);
  Point3List& alias = list;
  list = alias;
  EXPECT_EQ(Xs(list), (std::vector<double>{0, 1, 2}));
  copy = list;
  EXPECT_EQ(Xs(copy), (std::vector<double>{0, 1, 2}));
}

TEST(DoubleRectTest, NormalizeAndUnion) {
  // A drag from lower right (10, 0) to upper left (0, 5).
  DoubleRect drag{0, 5, 10, 0};
  drag.Normalize();
  EXPECT_EQ(drag, (DoubleRect{5, 0, 0, 10}));
  drag.Union(DoubleRect{7, 2, -3, 4});
  EXPECT_EQ(drag, (DoubleRect{7, 0, -3, 10}));
}

}  // namespace
}  // namespace quor
