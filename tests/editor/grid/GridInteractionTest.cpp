// Keys, mouse, focus and in-place editing, by the notifications they send.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GridTestHarness.h"
#include "editor/grid/GridLayout.h"
#include "editor/grid/GridMessages.h"

namespace quor::grid {
namespace {

using namespace win;
using Codes = std::vector<int>;

class GridInteractionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    h.Send(GRM_SETDIMENSIONS, 10, 3);
    h.Send(GRM_SETEDITABLE, 1);
    h.Focus();
    h.Pump();
    h.TakeCodes();
  }

  test::GridHarness h{400, 300};
};

TEST_F(GridInteractionTest, TypingThenEnterWritesTheCellAndMovesDown) {
  h.Type("12");
  h.Key(VK_RETURN, 13);
  EXPECT_EQ(h.TakeCodes(), (Codes{GRN_EDITSTARTED, GRN_EDITFINISHED, GRN_ROWCHANGED, GRN_CURSORMOVED}));
  EXPECT_EQ(h.Text(1, 1), "12");
  EXPECT_EQ(h.Kind(1, 1), kKindNumber);
  EXPECT_EQ(h.Send(GRM_GETCURSORROW), 2);
  // On the last row the cursor stays.
  h.Send(GRM_MOVECURSOR, 10, 1);
  h.Type("x");
  h.Key(VK_RETURN, 13);
  EXPECT_EQ(h.TakeCodes(), (Codes{GRN_EDITSTARTED, GRN_EDITFINISHED}));
  EXPECT_EQ(h.Send(GRM_GETCURSORROW), 10);
  EXPECT_EQ(h.Text(10, 1), "x");
}

TEST_F(GridInteractionTest, EscapeCancelsAndKeepsTheCell) {
  h.SetCell(1, 1, "old");
  h.Type("new");
  h.Key(VK_ESCAPE, 27);
  EXPECT_EQ(h.TakeCodes(), (Codes{GRN_EDITSTARTED, GRN_EDITFINISHED}));
  EXPECT_EQ(h.Text(1, 1), "old");
  EXPECT_FALSE(h.Slot().Editing);
  // Backspace on an empty edit starts one and changes nothing.
  h.Key(VK_BACK, 8);
  EXPECT_EQ(h.TakeCodes(), (Codes{GRN_EDITSTARTED}));
  EXPECT_EQ(h.Slot().EditText, "");
  h.Type("ab");
  h.Key(VK_BACK, 8);
  EXPECT_EQ(h.Slot().EditText, "a");
}

TEST_F(GridInteractionTest, DialogCodesTakeEnterAndEscape) {
  EXPECT_EQ(h.Send(WM_GETDLGCODE, 'A'), 0x91);
  EXPECT_EQ(h.Send(WM_GETDLGCODE, VK_ESCAPE), 0);  // no edit: the dialog may close
  h.Type("5");
  EXPECT_EQ(h.Send(WM_GETDLGCODE, VK_ESCAPE), 0x91);
  EXPECT_EQ(h.TakeCodes(), (Codes{GRN_EDITSTARTED, GRN_EDITFINISHED}));
  EXPECT_EQ(h.Kind(1, 1), 0);
  h.Type("5");
  EXPECT_EQ(h.Send(WM_GETDLGCODE, VK_RETURN), 0x91);
  EXPECT_EQ(h.TakeCodes(), (Codes{GRN_EDITSTARTED, GRN_EDITFINISHED, GRN_ROWCHANGED, GRN_CURSORMOVED}));
  EXPECT_EQ(h.Text(1, 1), "5");
}

TEST_F(GridInteractionTest, ClicksMoveTheCursorAndDoubleClicksReportOnly32) {
  h.Click(3, 2);
  EXPECT_EQ(h.TakeCodes(),
            (Codes{GRN_CELLCLICK, GRN_ROWCHANGED, GRN_CURSORMOVED, GRN_COLUMNCHANGED, GRN_CURSORMOVED}));
  EXPECT_EQ(h.notifications.size(), 0u);
  h.DoubleClick(3, 2);
  EXPECT_EQ(h.TakeCodes(), (Codes{GRN_CELLDOUBLECLICK}));
  EXPECT_EQ(h.Send(GRM_GETCURSORROW), 3);
  EXPECT_EQ(h.Send(GRM_GETCURSORCOLUMN), 2);
}

TEST_F(GridInteractionTest, ArrowsStopAtTheEdgesSilently) {
  h.Key(VK_LEFT);
  h.Key(VK_UP);
  EXPECT_TRUE(h.TakeCodes().empty());
  h.Key(VK_RIGHT);
  h.Key(VK_RIGHT);
  EXPECT_EQ(h.TakeCodes(), (Codes{GRN_COLUMNCHANGED, GRN_CURSORMOVED, GRN_COLUMNCHANGED, GRN_CURSORMOVED}));
  h.Key(VK_RIGHT);
  EXPECT_TRUE(h.TakeCodes().empty());
  EXPECT_EQ(h.Send(GRM_GETCURSORCOLUMN), 3);
  // Hidden columns are stepped over.
  h.Send(GRM_SETCOLUMNWIDTH, 2, 0);
  h.Key(VK_LEFT);
  EXPECT_EQ(h.Send(GRM_GETCURSORCOLUMN), 1);
}

TEST_F(GridInteractionTest, DownAndPageUpStopAtTheFirstAndLastDataRows) {
  h.Send(GRM_MOVECURSOR, 10, 1);
  h.Key(VK_DOWN);
  EXPECT_EQ(h.Send(GRM_GETCURSORROW), 10);
  EXPECT_TRUE(h.TakeCodes().empty());
  // A page here is more than one row, yet Page Up from row 2 stops at row 1.
  ASSERT_GE(PageRows(h.Slot()), 2);
  h.Send(GRM_MOVECURSOR, 2, 1);
  h.Key(VK_PRIOR);
  EXPECT_EQ(h.Send(GRM_GETCURSORROW), 1);
  EXPECT_EQ(h.TakeCodes(), (Codes{GRN_ROWCHANGED, GRN_CURSORMOVED}));
}

TEST_F(GridInteractionTest, PagingAnnouncesEvenAnEmptyPage) {
  h.Key(VK_NEXT);
  EXPECT_EQ(h.Send(GRM_GETCURSORROW), 10);
  EXPECT_EQ(h.TakeCodes(), (Codes{GRN_ROWCHANGED, GRN_CURSORMOVED}));
  h.Send(GRM_SETROWHEIGHT, 1000);  // no whole row fits: a page is 0 rows
  h.Key(VK_PRIOR);
  EXPECT_EQ(h.Send(GRM_GETCURSORROW), 10);
  EXPECT_EQ(h.TakeCodes(), (Codes{GRN_ROWCHANGED, GRN_CURSORMOVED}));
}

TEST_F(GridInteractionTest, TabHandsTheFocusToTheParentAndCommits) {
  h.Type("7");
  h.Key(VK_TAB, 9);
  EXPECT_EQ(h.system.GetFocus(), h.parent.get());
  EXPECT_EQ(h.TakeCodes(), (Codes{GRN_EDITSTARTED, GRN_EDITFINISHED, GRN_FOCUSLOST}));
  EXPECT_EQ(h.Text(1, 1), "7");
  EXPECT_EQ(h.system.SystemCaret().Owner(), nullptr);
}

TEST_F(GridInteractionTest, FunctionAndDeleteKeysAreReported) {
  h.Key(VK_F1);
  h.Key(VK_F12);
  h.Key(VK_DELETE);
  EXPECT_EQ(h.TakeCodes(), (Codes{GRN_FKEY1, GRN_FKEY12, GRN_DELETEKEY}));
}

TEST_F(GridInteractionTest, PunctuationTypesAsItselfButTildeStartsNoEdit) {
  h.Type("~");
  EXPECT_FALSE(h.Slot().Editing);
  EXPECT_TRUE(h.TakeCodes().empty());
  h.Type("-2.5e-3(x)%&'!\"#$");
  EXPECT_EQ(h.Slot().EditText, "-2.5e-3(x)%&'!\"#$");
  EXPECT_EQ(h.TakeCodes(), (Codes{GRN_EDITSTARTED}));
  EXPECT_EQ(h.Send(GRM_GETCURSORROW), 1);
}

TEST_F(GridInteractionTest, F2DuringAnEditKeepsTheTypedText) {
  h.SetCell(1, 1, "old");
  h.Type("ab");
  h.Key(VK_F2);
  EXPECT_EQ(h.Slot().EditText, "ab");
  EXPECT_EQ(h.TakeCodes(), (Codes{GRN_EDITSTARTED, GRN_FKEY1 + 1}));
}

TEST_F(GridInteractionTest, AnEditHoldsAtMost301Characters) {
  const int beeps = h.system.BeepCount();
  h.Type(std::string(305, '9'));
  EXPECT_EQ(h.Slot().EditText.size(), 301u);
  EXPECT_EQ(h.system.BeepCount(), beeps + 4);
  h.Key(VK_RETURN, 13);
  EXPECT_EQ(h.Text(1, 1), std::string(301, '9'));
}

TEST_F(GridInteractionTest, F2ContinuesAnyCellWithinTheLimit) {
  h.SetCell(1, 1, std::string(400, 'a'));
  const int beeps = h.system.BeepCount();
  h.Key(VK_F2);
  EXPECT_EQ(h.TakeCodes(), (Codes{GRN_FKEY1 + 1, GRN_EDITSTARTED}));
  EXPECT_EQ(h.Slot().EditText, std::string(301, 'a'));
  EXPECT_EQ(h.system.BeepCount(), beeps + 1);
  h.Key(VK_ESCAPE, 27);
  h.TakeCodes();
  // A protected cell, then a cell of a grid that is not editable.
  h.CellMessage(GRM_SETCELLPROTECTION, 1, 1, 1);
  h.Key(VK_F2);
  EXPECT_EQ(h.TakeCodes(), (Codes{GRN_FKEY1 + 1, GRN_EDITSTARTED}));
  h.Key(VK_ESCAPE, 27);
  h.Key(VK_DOWN);
  h.TakeCodes();
  h.SetCell(2, 1, "b");
  h.Send(GRM_SETEDITABLE, 0);
  h.Key(VK_F2);
  EXPECT_EQ(h.TakeCodes(), (Codes{GRN_FKEY1 + 1, GRN_EDITSTARTED}));
  EXPECT_EQ(h.Slot().EditText, "b");
  EXPECT_TRUE(h.Slot().Editing);
}

TEST_F(GridInteractionTest, ProtectedAndReadOnlyCellsOnlyMoveOnEnter) {
  h.CellMessage(GRM_SETCELLPROTECTION, 1, 1, 1);
  h.Type("x");
  EXPECT_TRUE(h.TakeCodes().empty());
  h.Key(VK_RETURN, 13);
  EXPECT_EQ(h.TakeCodes(), (Codes{GRN_ROWCHANGED, GRN_CURSORMOVED}));
  h.Send(GRM_SETEDITABLE, 0);
  h.Type("y");
  h.Key(VK_RETURN, 13);
  EXPECT_EQ(h.TakeCodes(), (Codes{GRN_ROWCHANGED, GRN_CURSORMOVED}));
  EXPECT_EQ(h.Send(GRM_GETCURSORROW), 3);
  EXPECT_EQ(h.Kind(2, 1), 0);
}

TEST_F(GridInteractionTest, EnterInAGridWithoutRowsLeavesTheCursorOnRowOne) {
  h.Send(GRM_CLEARCELLS);
  h.Send(GRM_SETEDITABLE, 0);
  h.Key(VK_RETURN, 13);
  h.Send(WM_GETDLGCODE, VK_RETURN);
  EXPECT_EQ(h.Send(GRM_GETCURSORROW), 1);
  EXPECT_TRUE(h.TakeCodes().empty());
}

TEST_F(GridInteractionTest, DraggingAHeadingBorderSizesTheColumn) {
  h.Send(GRM_SETCOLUMNSIZING, 1);
  const int border = CellRect(h.Slot(), 0, 1).right;  // between columns 1 and 2
  const int y = 10;
  h.Mouse(WM_MOUSEMOVE, border - 3, y);
  EXPECT_EQ(h.host.cursor, CursorShape::SizeWestEast);
  h.Mouse(WM_LBUTTONDOWN, border - 3, y);
  h.Mouse(WM_MOUSEMOVE, border + 27, y);
  EXPECT_EQ(h.Send(GRM_GETCOLUMNWIDTH, 1), 80);
  h.Mouse(WM_MOUSEMOVE, border - 500, y);
  EXPECT_EQ(h.Send(GRM_GETCOLUMNWIDTH, 1), 0);
  h.Mouse(WM_LBUTTONUP, border - 500, y);
  EXPECT_EQ(h.host.cursor, CursorShape::Arrow);
  EXPECT_FALSE(h.Slot().SizingColumnActive);
  EXPECT_TRUE(h.Slot().WholeRows);
  EXPECT_EQ(h.Slot().VisibleColumnCount, 2);
}

TEST_F(GridInteractionTest, BordersCannotBeGrabbedWithoutColumnSizing) {
  const int border = CellRect(h.Slot(), 0, 1).right;
  h.Mouse(WM_MOUSEMOVE, border - 3, 10);
  EXPECT_NE(h.Slot().CursorShape, 2);
  h.Mouse(WM_LBUTTONDOWN, border - 3, 10);
  h.Mouse(WM_MOUSEMOVE, border + 27, 10);
  EXPECT_EQ(h.Send(GRM_GETCOLUMNWIDTH, 1), 50);
}

TEST_F(GridInteractionTest, FocusIsAnnouncedAndGivesTheCaret) {
  h.system.SetFocus(nullptr);
  EXPECT_EQ(h.TakeCodes(), (Codes{GRN_FOCUSLOST}));
  h.Focus();
  EXPECT_EQ(h.TakeCodes(), (Codes{GRN_FOCUSGAINED}));
  EXPECT_EQ(h.system.SystemCaret().Owner(), h.grid.get());
  EXPECT_EQ(h.system.SystemCaret().Height(), RecordingDrawContext::kAscent);
  h.Type("4");
  EXPECT_TRUE(h.system.SystemCaret().Visible());
  const RECT cell = CellRect(h.Slot(), 1, 1);
  EXPECT_EQ(h.system.SystemCaret().X(), cell.right - 8);
  EXPECT_EQ(h.system.SystemCaret().Y(), cell.top + 6 + 21 / 2 - RecordingDrawContext::kAscent);
}

}  // namespace
}  // namespace quor::grid
