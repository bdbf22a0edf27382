// Layout, scroll bars and painting, checked on the recorded drawing.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "GridTestHarness.h"
#include "editor/grid/GridLayout.h"
#include "editor/grid/GridMessages.h"

namespace quor::grid {
namespace {

using namespace win;
using Kind = RecordingDrawContext::Kind;
using test::GridHarness;

std::vector<std::string> DrawnTexts(const RecordingDrawContext& dc) {
  std::vector<std::string> texts;
  for (const auto& call : dc.Calls()) {
    if (call.kind == Kind::Text) texts.push_back(call.text);
  }
  return texts;
}

bool Drawn(const RecordingDrawContext& dc, const std::string& text) {
  const auto texts = DrawnTexts(dc);
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

TEST(GridLayoutTest, ColumnLabelsRunFromBlankAToAA) {
  EXPECT_EQ(ColumnLabel(1), " A");
  EXPECT_EQ(ColumnLabel(10), " J");
  EXPECT_EQ(ColumnLabel(26), " Z");
  EXPECT_EQ(ColumnLabel(27), "AA");
  EXPECT_EQ(ColumnLabel(52), "AZ");
  EXPECT_EQ(ColumnLabel(53), "BA");
}

TEST(GridLayoutTest, PointsMapToCells) {
  GridHarness h(400, 300);
  h.Send(GRM_SETDIMENSIONS, 100, 3);
  const GridSlot& slot = h.Slot();
  EXPECT_EQ(ColumnAt(slot, 50), 0);
  EXPECT_EQ(ColumnAt(slot, 51), 1);
  EXPECT_EQ(ColumnAt(slot, 100), 1);
  EXPECT_EQ(ColumnAt(slot, 101), 2);
  EXPECT_EQ(ColumnAt(slot, 390), 3);  // right of the last column, stretched
  h.Send(GRM_SETSTRETCHLASTCOLUMN, 0);
  EXPECT_EQ(ColumnAt(slot, 390), -1);
  EXPECT_EQ(RowAt(slot, 0), -1);
  EXPECT_EQ(RowAt(slot, 21), 0);
  EXPECT_EQ(RowAt(slot, 22), 1);
  EXPECT_EQ(RowAt(slot, 21 + 2 * 21 + 1), 3);
  h.Send(GRM_SETDIMENSIONS, 2, 3);
  EXPECT_EQ(RowAt(slot, 21 + 2 * 21 + 1), -1);
}

TEST(GridLayoutTest, StretchedLastColumnReachesTheRightEdge) {
  GridHarness h(400, 300);
  h.Send(GRM_SETDIMENSIONS, 10, 3);
  h.Pump();  // all rows fit: no vertical bar
  EXPECT_EQ(CellRect(h.Slot(), 1, 3).right, 400);
  EXPECT_EQ(CellRect(h.Slot(), 1, 2).right, 150);
  h.Send(GRM_SETSTRETCHLASTCOLUMN, 0);
  EXPECT_EQ(CellRect(h.Slot(), 1, 3).right, 200);
}

TEST(GridLayoutTest, VerticalBarShowsOnlyWhenRowsDoNotFit) {
  // Heading 21 and rows of 21: 9 rows fit in 210 pixels.
  GridHarness h(400, 210);
  h.Send(GRM_SETDIMENSIONS, 9, 3);
  h.Pump();
  EXPECT_FALSE(h.grid->ScrollBar(SB_VERT).shown);
  EXPECT_FALSE(h.Slot().VScrollShown);
  h.Send(GRM_SETDIMENSIONS, 10, 3);
  h.Pump();
  EXPECT_TRUE(h.grid->ScrollBar(SB_VERT).shown);
  EXPECT_EQ(h.grid->ScrollBar(SB_VERT).min, 1);
  EXPECT_EQ(h.grid->ScrollBar(SB_VERT).max, 2);
}

TEST(GridLayoutTest, HorizontalBarCountsShownColumnsOnly) {
  GridHarness h(300, 400);
  h.Send(GRM_SETDIMENSIONS, 5, 10);
  h.Pump();
  // 50 + 9 x 50 = 500 pixels do not fit in 300; column 10 is hidden.
  EXPECT_TRUE(h.grid->ScrollBar(SB_HORZ).shown);
  EXPECT_EQ(h.grid->ScrollBar(SB_HORZ).max, 9);
  h.Send(WM_HSCROLL, SB_LINERIGHT);
  h.Send(WM_HSCROLL, SB_LINERIGHT);
  EXPECT_EQ(h.Slot().LeftColumn, 3);
  h.Send(WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 9));
  EXPECT_EQ(h.Slot().LeftColumn, 9);
  h.Send(GRM_SETDIMENSIONS, 5, 4);
  h.Pump();
  EXPECT_FALSE(h.grid->ScrollBar(SB_HORZ).shown);
}

TEST(GridLayoutTest, PaintsLabelsRowNumbersAndNoHiddenColumn) {
  GridHarness h(700, 120);
  h.Pump();
  h.host.dc.Clear();
  h.grid->InvalidateRect(nullptr, false);
  h.Pump();
  EXPECT_TRUE(Drawn(h.host.dc, " A"));
  EXPECT_TRUE(Drawn(h.host.dc, " I"));
  EXPECT_FALSE(Drawn(h.host.dc, " J"));
  EXPECT_TRUE(Drawn(h.host.dc, "1"));
  EXPECT_TRUE(Drawn(h.host.dc, "4"));
  h.Send(GRM_SETROWNUMBERING, 0);
  h.Send(GRM_SETCOLUMNLETTERING, 0);
  h.SetCell(0, 1, "x [mm]");
  h.SetCell(2, 0, "second");
  h.host.dc.Clear();
  h.Pump();
  EXPECT_TRUE(Drawn(h.host.dc, "x [mm]"));
  EXPECT_TRUE(Drawn(h.host.dc, "second"));
  EXPECT_FALSE(Drawn(h.host.dc, " A"));
}

TEST(GridLayoutTest, OwnerDrawnCellsAreLeftToTheParent) {
  GridHarness h(400, 200);
  h.SetCell(1, 2, "~42");
  h.Pump();
  const auto drawCell = std::find_if(h.notifications.begin(), h.notifications.end(),
                                     [](const test::Notification& n) { return n.code == GRN_DRAWCELL; });
  ASSERT_NE(drawCell, h.notifications.end());
  EXPECT_EQ(h.Send(GRM_GETOWNERDRAWVALUE), 42);
  EXPECT_FALSE(Drawn(h.host.dc, "~42"));
}

TEST(GridLayoutTest, CursorRowIsHighlightedByFocus) {
  GridHarness h(400, 200);
  h.Send(GRM_SETDIMENSIONS, 5, 2);
  const auto cursorCellBrush = [&] {
    const RECT cell = CellRect(h.Slot(), 1, 1);
    COLORREF colour = 0xFFFFFFFF;
    for (const auto& call : h.host.dc.Calls()) {
      if (call.kind == Kind::FillRect && call.points[0] == DevicePoint{cell.left, cell.top}) {
        colour = call.brush.colour;
      }
    }
    return colour;
  };
  h.Pump();
  EXPECT_EQ(cursorCellBrush(), 0xC8C8C8u);
  h.Focus();
  h.host.dc.Clear();
  h.Pump();
  EXPECT_EQ(cursorCellBrush(), 0x800000u);
}

TEST(GridLayoutTest, FocusFrameIsAnXorOutlineDrawnAfterThePaint) {
  GridHarness h(400, 200);
  h.Focus();
  h.host.dc.Clear();
  h.grid->InvalidateRect(nullptr, false);
  h.Pump();
  const auto& calls = h.host.dc.Calls();
  ASSERT_FALSE(calls.empty());
  const auto& frame = calls.back();
  EXPECT_EQ(frame.kind, Kind::Rectangle);
  EXPECT_EQ(frame.op, RasterOp::XorPen);
  EXPECT_EQ(frame.brush.style, BrushStyle::Hollow);
  EXPECT_EQ(frame.pen.colour, 0xFFFFFFu);
  const RECT cell = CellRect(h.Slot(), 1, 1);
  EXPECT_EQ(frame.points[0], (DevicePoint{cell.left, cell.top}));
  EXPECT_EQ(h.host.dc.CurrentRasterOp(), RasterOp::CopyPen);
}

}  // namespace
}  // namespace quor::grid
