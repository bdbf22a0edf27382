// The grid's messages, its slot table and what it tells its parent.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "GridTestHarness.h"
#include "editor/grid/GridMessages.h"
#include "editor/grid/GridSlotTable.h"
#include "editor/grid/GridWndProc.h"

namespace quor::grid {
namespace {

using namespace win;
using test::GridHarness;

TEST(GridMessagesTest, OutOfRangeReferencesAreRefusedWithBadCell) {
  GridHarness h;
  const UINT messages[] = {GRM_SETCELLPROTECTION, GRM_SETCELLTEXT, GRM_GETCELLTEXT,
                           GRM_DELETECELL,        GRM_GETCELLKIND, GRM_ISCELLPROTECTED};
  const GridCellRef bad[] = {{301, 1}, {1, 11}, {-1, 1}, {1, -1}, {-10000, 2}};
  for (const UINT message : messages) {
    for (const GridCellRef& ref : bad) {
      GridCellRef copy = ref;
      EXPECT_EQ(h.Send(message, reinterpret_cast<WPARAM>(&copy), 0), -1) << message;
      ASSERT_EQ(h.notifications.size(), 1u);
      EXPECT_EQ(h.notifications[0].code, GRN_BADCELL);
      EXPECT_EQ(h.notifications[0].lParam, 0);
      h.notifications.clear();
    }
    EXPECT_EQ(h.Send(message, 0, 0), -1) << "a null reference";
    h.notifications.clear();
  }
  EXPECT_EQ(h.Slot().CellList->Count(), 0u);
  h.SetCell(300, 10, "corner");
  EXPECT_EQ(h.Text(300, 10), "corner");
  EXPECT_TRUE(h.TakeCodes().empty());
}

TEST(GridMessagesTest, GetCellTextHandsBackTheTextAndItsLength) {
  GridHarness h;
  const std::string longText(400, 'x');
  h.SetCell(2, 2, longText);
  std::string out;
  EXPECT_EQ(h.CellMessage(GRM_GETCELLTEXT, 2, 2, reinterpret_cast<LPARAM>(&out)), 400);
  EXPECT_EQ(out, longText);
  EXPECT_EQ(h.CellMessage(GRM_GETCELLTEXT, 3, 2, reinterpret_cast<LPARAM>(&out)), 0);
  EXPECT_EQ(out, "");
  EXPECT_EQ(h.CellMessage(GRM_GETCELLTEXT, 2, 2, 0), 400);
}

TEST(GridMessagesTest, SetDimensionsClampsRowsAndColumns) {
  GridHarness h;
  h.Send(GRM_SETDIMENSIONS, 500, 0);
  EXPECT_EQ(h.Send(GRM_GETROWCOUNT), 300);
  EXPECT_EQ(h.Send(GRM_GETCOLUMNCOUNT), 1);
  h.Send(GRM_SETDIMENSIONS, static_cast<WPARAM>(-1), 11);
  EXPECT_EQ(h.Send(GRM_GETROWCOUNT), 300);
  EXPECT_EQ(h.Send(GRM_GETCOLUMNCOUNT), 10);
  // Column 10 of a fresh slot is hidden and not counted.
  EXPECT_EQ(h.Slot().VisibleColumnCount, 9);
  EXPECT_EQ(h.grid->ScrollBar(SB_HORZ).max, 9);
}

TEST(GridMessagesTest, AutoGrowRaisesTheRowCountOnlyUpwards) {
  GridHarness h;
  h.SetCell(50, 1, "a");
  EXPECT_EQ(h.Send(GRM_GETROWCOUNT), 100);
  h.SetCell(120, 1, "b");
  EXPECT_EQ(h.Send(GRM_GETROWCOUNT), 120);
  h.Send(GRM_SETAUTOGROWROWS, 0);
  h.SetCell(200, 1, "c");
  EXPECT_EQ(h.Send(GRM_GETROWCOUNT), 120);
}

TEST(GridMessagesTest, WritingResetsProtectionToTheNewCellLetter) {
  GridHarness h;
  h.CellMessage(GRM_SETCELLPROTECTION, 4, 1, 1);
  EXPECT_EQ(h.CellMessage(GRM_ISCELLPROTECTED, 4, 1), 1);
  EXPECT_EQ(h.Kind(4, 1), kKindText);
  h.SetCell(4, 1, "FALSE");
  EXPECT_EQ(h.CellMessage(GRM_ISCELLPROTECTED, 4, 1), 0);
  EXPECT_EQ(h.Kind(4, 1), kKindUnchecked);
  h.Send(GRM_SETNEWCELLPROTECTION, 1);
  h.SetCell(4, 1, "x");
  EXPECT_EQ(h.CellMessage(GRM_ISCELLPROTECTED, 4, 1), 1);
  EXPECT_EQ(h.Kind(9, 9), 0);
}

TEST(GridMessagesTest, ColumnWidthsAndHeightsStayInRange) {
  GridHarness h;
  EXPECT_EQ(h.Send(GRM_GETCOLUMNWIDTH, 1), 50);
  EXPECT_EQ(h.Send(GRM_GETCOLUMNWIDTH, 10), 0);
  EXPECT_EQ(h.Send(GRM_GETCOLUMNWIDTH, 11), 0);
  h.Send(GRM_SETCOLUMNWIDTH, 11, 70);
  h.Send(GRM_SETCOLUMNWIDTH, 2, -5);
  EXPECT_EQ(h.Send(GRM_GETCOLUMNWIDTH, 2), 50);
  h.Send(GRM_SETCOLUMNWIDTH, 2, 0);
  EXPECT_EQ(h.Slot().VisibleColumnCount, 8);
  // Row positions divide by the row height: it never drops below 1.
  h.Send(GRM_SETROWHEIGHT, 0);
  EXPECT_EQ(h.Send(GRM_GETROWHEIGHT), 1);
  h.Send(GRM_SETROWHEIGHT, static_cast<WPARAM>(-7));
  EXPECT_EQ(h.Send(GRM_GETROWHEIGHT), 1);
  h.Send(GRM_SETHEADINGHEIGHT, static_cast<WPARAM>(-3));
  EXPECT_EQ(h.Send(GRM_GETHEADINGHEIGHT), 1);
  h.Send(GRM_SETTITLEHEIGHT, static_cast<WPARAM>(-4));
  EXPECT_EQ(h.Slot().TitleHeight, 0);
}

TEST(GridMessagesTest, MoveCursorIgnoresCellsOutsideTheGridAndSaysNothing) {
  GridHarness h;
  h.Send(GRM_SETDIMENSIONS, 20, 3);
  h.Send(GRM_MOVECURSOR, 0, 2);
  h.Send(GRM_MOVECURSOR, 21, 2);
  h.Send(GRM_MOVECURSOR, 5, 4);
  EXPECT_EQ(h.Send(GRM_GETCURSORROW), 1);
  EXPECT_EQ(h.Send(GRM_GETCURSORCOLUMN), 1);
  h.Send(GRM_MOVECURSOR, 20, 3);
  EXPECT_EQ(h.Send(GRM_GETCURSORROW), 20);
  EXPECT_EQ(h.Send(GRM_GETCURSORCOLUMN), 3);
  EXPECT_TRUE(h.TakeCodes().empty());
  h.Send(GRM_ANNOUNCEROW);
  h.Send(GRM_ANNOUNCECOLUMN);
  EXPECT_EQ(h.TakeCodes(),
            (std::vector<int>{GRN_ROWCHANGED, GRN_CURSORMOVED, GRN_COLUMNCHANGED, GRN_CURSORMOVED}));
  EXPECT_EQ(h.notifications.size(), 0u);
}

TEST(GridMessagesTest, RepaintBeepsOnceAndUnknownMessagesGoToTheDefault) {
  GridHarness h;
  const int before = h.system.BeepCount();
  h.Send(GRM_REPAINT);
  EXPECT_EQ(h.system.BeepCount(), before + 1);
  EXPECT_EQ(h.Send(WM_USER + 5, 1, 1), 0);
  EXPECT_EQ(h.Send(WM_ERASEBKGND), 1);
  EXPECT_TRUE(h.TakeCodes().empty());
}

TEST(GridMessagesTest, TitleHeightFollowsItsLines) {
  GridHarness h;
  const std::string title = "Nodes\nof a polygon";
  h.Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(title.c_str()));
  // Extent height 16: 16 x 1.2 x 2 lines = 38.4.
  EXPECT_EQ(h.Slot().TitleHeight, 38);
  EXPECT_EQ(h.Slot().Title, title);
  const std::string tooLong(301, 't');
  h.Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(tooLong.c_str()));
  EXPECT_EQ(h.Slot().Title, "Title too long (300 chars max)");
  EXPECT_EQ(h.Slot().TitleHeight, 19);
  h.Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
  EXPECT_EQ(h.Slot().TitleHeight, 0);
}

TEST(GridMessagesTest, HeadingTextWidensItsColumnAndRaisesTheHeading) {
  GridHarness h;
  h.SetCell(0, 1, "a rather long heading");  // 21 characters of 7 pixels
  EXPECT_EQ(h.Send(GRM_GETCOLUMNWIDTH, 1), 5 + 21 * 7);
  h.SetCell(0, 2, "two\nlines");
  EXPECT_EQ(h.Send(GRM_GETHEADINGHEIGHT), 5 + 2 * 16);
  h.SetCell(0, 3, "\n\n");
  EXPECT_EQ(h.Send(GRM_GETCOLUMNWIDTH, 3), 50);
  // Data cells fit only with auto width.
  h.SetCell(1, 4, "a rather long data cell");
  EXPECT_EQ(h.Send(GRM_GETCOLUMNWIDTH, 4), 50);
  h.Send(GRM_SETAUTOWIDTH, 1);
  h.SetCell(1, 4, "a rather long data cell");
  EXPECT_EQ(h.Send(GRM_GETCOLUMNWIDTH, 4), 5 + 23 * 7);
}

class GridSlotTest : public ::testing::Test {
 protected:
  std::unique_ptr<Window> Create(UINT id) {
    return system.CreateWindowEx(kGridClassName, "", 300, 200, nullptr, id, &host);
  }

  WindowSystem system;
  test::FakeHost host;
};

TEST_F(GridSlotTest, TwentyGridsLiveAndTheTwentyFirstIsRefused) {
  RegisterGridClass(system);
  std::vector<std::unique_ptr<Window>> grids;
  for (UINT id = 1; id <= 20; ++id) {
    grids.push_back(Create(id));
    ASSERT_NE(grids.back(), nullptr) << id;
    // The highest free slot goes first.
    EXPECT_EQ(SlotIndex(*FindGridSlot(id)), 20 - id);
  }
  EXPECT_EQ(Create(21), nullptr);
  EXPECT_EQ(LiveGridCount(), 20u);
  grids.clear();
  EXPECT_EQ(LiveGridCount(), 0u);
  EXPECT_EQ(GridSlots().sharedCellFont, nullptr);
}

TEST_F(GridSlotTest, IdsZeroAndInUseAreRefused) {
  RegisterGridClass(system);
  auto first = Create(7);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(Create(7), nullptr);
  EXPECT_EQ(Create(0), nullptr);
  // The refused twin left the live grid's state alone.
  ASSERT_NE(FindGridSlot(7), nullptr);
  EXPECT_NE(FindGridSlot(7)->CellList, nullptr);
}

TEST_F(GridSlotTest, AReopenedGridGetsTheSameSlotWithTheResetValues) {
  RegisterGridClass(system);
  auto grid = Create(5);
  SendMessage(grid.get(), GRM_SETROWHEIGHT, 30, 0);
  SendMessage(grid.get(), GRM_SETEDITABLE, 1, 0);
  SendMessage(grid.get(), GRM_SETPROTECTEDCOLOR, 0x123456, 0);
  grid.reset();
  EXPECT_EQ(FindGridSlot(5), nullptr);
  grid = Create(6);
  GridSlot& slot = *FindGridSlot(6);
  EXPECT_EQ(SlotIndex(slot), 19u);
  EXPECT_EQ(slot.RowHeight, 20);
  EXPECT_EQ(slot.HeadingHeight, 20);
  EXPECT_EQ(slot.ColumnWidth[0], 40);
  EXPECT_EQ(slot.ProtectedColor, 0x808080u);
  EXPECT_TRUE(slot.Editable);  // not among the reset fields
  EXPECT_EQ(slot.CellFont, DefaultGuiFont());
}

TEST_F(GridSlotTest, AnEditOrDragCutShortDoesNotReachTheNextGrid) {
  RegisterGridClass(system);
  auto grid = Create(5);
  SendMessage(grid.get(), GRM_SETEDITABLE, 1, 0);
  system.SendKeyDown(*grid, 'A', 'a');
  GridSlot& slot = *FindGridSlot(5);
  ASSERT_TRUE(slot.Editing);
  slot.SizingColumnActive = true;
  slot.SavedWholeRows = true;
  slot.WholeRows = false;
  grid.reset();
  EXPECT_FALSE(slot.Editing);
  EXPECT_TRUE(slot.EditText.empty());
  EXPECT_FALSE(slot.SizingColumnActive);
  EXPECT_TRUE(slot.WholeRows);
  grid = Create(6);
  system.SendKeyDown(*grid, VK_RETURN, 13);
  GridCellRef ref{1, 1};
  EXPECT_EQ(SendMessage(grid.get(), GRM_GETCELLKIND, reinterpret_cast<WPARAM>(&ref), 0), 0);
}

}  // namespace
}  // namespace quor::grid
