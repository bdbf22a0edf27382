#include "GridKeysByHand.h"

#include <gtest/gtest.h>
#include <wx/dialog.h>
#include <wx/toplevel.h>
#include <wx/uiaction.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "editor/grid/GridCellRef.h"
#include "editor/grid/GridHost.h"
#include "editor/grid/GridMessages.h"
#include "editor/grid/GridSlotTable.h"
#include "support/WxTestPump.h"

namespace quor::grid::test {

namespace {

using quor::test::PumpUntil;

// The notification codes the grid sends from now on, in order.
std::shared_ptr<std::vector<int>> RecordNotifications(GridHost& grid) {
  auto codes = std::make_shared<std::vector<int>>();
  grid.Bind(QUOR_EVT_GRID_NOTIFY, [codes](wxCommandEvent& event) {
    codes->push_back(event.GetInt());
    event.Skip();  // the dialog hears it as well
  });
  return codes;
}

bool PressKey(int key, int modifiers, const std::function<bool()>& done) {
  wxUIActionSimulator().Char(key, modifiers);
  return PumpUntil(done);
}

const GridSlot& Slot(const GridHost& grid) {
  return *FindGridSlot(static_cast<win::UINT>(grid.GetId()));
}

int CursorRow(GridHost& grid) {
  return static_cast<int>(grid.Send(GRM_GETCURSORROW));
}

std::vector<std::string> AllCells(GridHost& grid) {
  std::vector<std::string> cells;
  const auto rows = static_cast<int>(grid.Send(GRM_GETROWCOUNT));
  const auto columns = static_cast<int>(grid.Send(GRM_GETCOLUMNCOUNT));
  for (int row = 0; row <= rows; ++row) {
    for (int column = 0; column <= columns; ++column) cells.push_back(GridCell(grid, row, column));
  }
  return cells;
}

}  // namespace

bool FocusGrid(GridHost& grid) {
  wxGetTopLevelParent(&grid)->Raise();
  grid.SetFocus();
  return PumpUntil([&] { return wxWindow::FindFocus() == &grid && Slot(grid).HasFocus; });
}

std::string GridCell(GridHost& grid, int row, int column) {
  GridCellRef ref;
  SetGridCellRef(ref, row, column);
  std::string text;
  grid.Send(GRM_GETCELLTEXT, reinterpret_cast<win::WPARAM>(&ref), reinterpret_cast<win::LPARAM>(&text));
  return text;
}

void SetGridCell(GridHost& grid, int row, int column, const char* text) {
  GridCellRef ref;
  SetGridCellRef(ref, row, column);
  grid.Send(GRM_SETCELLTEXT, reinterpret_cast<win::WPARAM>(&ref), reinterpret_cast<win::LPARAM>(text));
}

void ExpectTypedTextStored(GridHost& grid, const std::string& text) {
  const int row = CursorRow(grid);
  const auto column = static_cast<int>(grid.Send(GRM_GETCURSORCOLUMN));
  wxUIActionSimulator().Text(text.c_str());
  EXPECT_TRUE(PumpUntil([&] { return Slot(grid).EditText.size() >= text.size(); }));
  EXPECT_TRUE(PressKey(WXK_RETURN, wxMOD_NONE, [&] { return !Slot(grid).Editing; }));
  EXPECT_EQ(GridCell(grid, row, column), text);
}

void ExpectEscapeCancelsTheEditThenTheDialog(wxDialog& dialog, GridHost& grid) {
  ASSERT_TRUE(FocusGrid(grid));
  const int row = CursorRow(grid);
  const auto column = static_cast<int>(grid.Send(GRM_GETCURSORCOLUMN));
  const std::string before = GridCell(grid, row, column);
  const auto codes = RecordNotifications(grid);
  wxUIActionSimulator().Char('5');
  ASSERT_TRUE(PumpUntil([&] { return Slot(grid).Editing; }));
  EXPECT_TRUE(PressKey(WXK_ESCAPE, wxMOD_NONE, [&] { return !Slot(grid).Editing; }));
  quor::test::PumpEvents();
  EXPECT_EQ(*codes, (std::vector<int>{GRN_EDITSTARTED, GRN_EDITFINISHED}));
  EXPECT_EQ(GridCell(grid, row, column), before);
  EXPECT_TRUE(dialog.IsModal());
  EXPECT_TRUE(PressKey(WXK_ESCAPE, wxMOD_NONE, [&] { return !dialog.IsModal(); }));
}

void ExpectEnterMovesDown(wxDialog& dialog, GridHost& grid) {
  ASSERT_TRUE(FocusGrid(grid));
  grid.Send(GRM_MOVECURSOR, 1, 1);
  EXPECT_TRUE(PressKey(WXK_RETURN, wxMOD_NONE, [&] { return CursorRow(grid) == 2; }));
  quor::test::PumpEvents();
  EXPECT_EQ(CursorRow(grid), 2);
  EXPECT_TRUE(dialog.IsModal());
}

void ExpectAltOPressesOk(wxDialog& dialog, GridHost& grid) {
  ASSERT_TRUE(FocusGrid(grid));
  const std::vector<std::string> before = AllCells(grid);
  const auto codes = RecordNotifications(grid);
  // Neither Ctrl+. nor Alt+Down is the grid's; Right after them shows they were handled.
  grid.Send(GRM_MOVECURSOR, 1, 1);
  wxUIActionSimulator().Char('.', wxMOD_CONTROL);
  wxUIActionSimulator().Char(WXK_DOWN, wxMOD_ALT);
  EXPECT_TRUE(PressKey(WXK_RIGHT, wxMOD_NONE, [&] { return grid.Send(GRM_GETCURSORCOLUMN) == 2; }));
  EXPECT_EQ(CursorRow(grid), 1);
  EXPECT_TRUE(PressKey('o', wxMOD_ALT, [&] { return !dialog.IsModal(); }));
  EXPECT_EQ(dialog.GetReturnCode(), wxID_OK);
  EXPECT_EQ(AllCells(grid), before);
  EXPECT_EQ(std::count(codes->begin(), codes->end(), GRN_EDITSTARTED), 0);
}

void ExpectTabMovesBetween(GridHost& grid, const wxWindow& next) {
  ASSERT_TRUE(FocusGrid(grid));
  EXPECT_TRUE(PressKey(WXK_TAB, wxMOD_NONE, [&] { return wxWindow::FindFocus() == &next; }));
  // Shift+Tab goes to the control before the grid (wx may not know a combo
  // box's inner button as focused), which Tab leaves for the grid again.
  ASSERT_TRUE(FocusGrid(grid));
  EXPECT_TRUE(PressKey(WXK_TAB, wxMOD_SHIFT, [&] { return wxWindow::FindFocus() != &grid; }));
  EXPECT_TRUE(PressKey(WXK_TAB, wxMOD_NONE, [&] { return wxWindow::FindFocus() == &grid; }));
}

}  // namespace quor::grid::test
