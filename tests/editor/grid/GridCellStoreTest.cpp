// The cell store: item strings, kinds and both ways of searching.
#include <gtest/gtest.h>

#include <string>

#include "editor/grid/GridCellStore.h"
#include "editor/grid/GridMessages.h"

namespace quor::grid {
namespace {

int KindOf(const std::string& text) {
  return GridCellStore::KindOfLetter(GridCellStore::ClassifyCellText(text));
}

TEST(GridCellStoreTest, ClassifiesTextsIntoKinds) {
  for (const char* text : {"true", "TRUE", "tRuE"}) EXPECT_EQ(KindOf(text), kKindChecked) << text;
  EXPECT_EQ(KindOf("False"), kKindUnchecked);
  EXPECT_EQ(KindOf("~12"), kKindOwnerDrawn);
  for (const char* text : {"1.5e3", "-2", "+1-1", "1,5", "12/3", "7"})
    EXPECT_EQ(KindOf(text), kKindNumber) << text;
  for (const char* text : {"1.2.3", "1e2e3", "1 2", "x1", "", "+-", "1\xE9"}) {
    EXPECT_EQ(KindOf(text), kKindText) << text;
  }
}

TEST(GridCellStoreTest, ItemsCarryKeyProtectionKindAndText) {
  GridCellStore store;
  store.Write({7, 2}, 'P', "1.5");
  ASSERT_NE(store.Item({7, 2}), nullptr);
  EXPECT_EQ(*store.Item({7, 2}), "00007-002|PN|1.5");
  EXPECT_EQ(store.Text({7, 2}), "1.5");
  EXPECT_TRUE(store.IsProtected({7, 2}));
  // Writing again takes the letter given now; the old protection is lost.
  store.Write({7, 2}, 'U', "abc");
  EXPECT_EQ(*store.Item({7, 2}), "00007-002|UA|abc");
  EXPECT_EQ(store.Count(), 1u);
}

TEST(GridCellStoreTest, ProtectingAnAbsentCellCreatesAnEmptyTextCell) {
  GridCellStore store;
  store.SetProtection({2, 3}, true);
  EXPECT_EQ(*store.Item({2, 3}), "00002-003|PA|");
  store.SetProtection({2, 3}, false);
  EXPECT_EQ(*store.Item({2, 3}), "00002-003|UA|");
}

TEST(GridCellStoreTest, AbsentAndEmptyCellsReadAlikeButDifferInKind) {
  GridCellStore store;
  store.Write({1, 1}, 'U', "");
  EXPECT_EQ(store.Text({1, 1}), "");
  EXPECT_EQ(store.Text({1, 2}), "");
  EXPECT_EQ(store.Kind({1, 1}), kKindText);
  EXPECT_EQ(store.Kind({1, 2}), 0);
  EXPECT_FALSE(store.IsProtected({1, 2}));
}

// Below 12 items the prefix search runs, from 12 on the binary search: every
// stored cell must be found and no other, at every size on both sides.
TEST(GridCellStoreTest, FindsEveryStoredCellWithFewAndManyItems) {
  for (int count = 1; count <= 40; ++count) {
    GridCellStore store;
    for (int i = 0; i < count; ++i) store.Write({2 * i + 1, i % 3 + 1}, 'U', "v" + std::to_string(i));
    for (int i = 0; i < count; ++i) {
      EXPECT_EQ(store.Text({2 * i + 1, i % 3 + 1}), "v" + std::to_string(i)) << count << " items, item " << i;
      // Between two stored rows, before the first and after the last.
      EXPECT_EQ(store.Item({2 * i + 2, i % 3 + 1}), nullptr) << count;
    }
    EXPECT_EQ(store.Item({0, 1}), nullptr) << count;
    EXPECT_EQ(store.LastRow(), 2 * count - 1);
  }
}

TEST(GridCellStoreTest, DeleteAndClearRemoveItems) {
  GridCellStore store;
  for (int r = 1; r <= 15; ++r) store.Write({r, 1}, 'U', std::to_string(r));
  store.Delete({15, 1});
  store.Delete({3, 1});
  EXPECT_EQ(store.Count(), 13u);
  EXPECT_EQ(store.LastRow(), 14);
  EXPECT_EQ(store.Item({3, 1}), nullptr);
  store.Clear();
  EXPECT_TRUE(store.Empty());
}

}  // namespace
}  // namespace quor::grid
