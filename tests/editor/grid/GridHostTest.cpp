// The grid in a real wx window under X: typing, the screen, the XOR frame.
#include <gtest/gtest.h>
#include <wx/filename.h>
#include <wx/uiaction.h>

#include <string>
#include <utility>

#include "GridDemoFrame.h"
#include "editor/grid/GridCellRef.h"
#include "editor/grid/GridHost.h"
#include "editor/grid/GridLayout.h"
#include "editor/grid/GridMessages.h"
#include "editor/grid/GridSlotTable.h"
#include "editor/grid/GridWndProc.h"
#include "platform/win/WindowSystem.h"
#include "support/ScreenProbe.h"
#include "support/ScreenSettle.h"
#include "support/WxTestPump.h"

namespace quor::grid {
namespace {

wxImage CaptureScreen(const wxWindow& window) {
  return test::CaptureScreenArea(window.GetScreenRect());
}

bool SameImage(const wxImage& a, const wxImage& b) {
  if (!a.IsOk() || !b.IsOk() || a.GetSize() != b.GetSize()) return false;
  return std::equal(a.GetData(), a.GetData() + a.GetWidth() * a.GetHeight() * 3, b.GetData());
}

int CountColour(const wxImage& image, unsigned char r, unsigned char g, unsigned char b) {
  if (!image.IsOk()) return 0;
  int count = 0;
  const unsigned char* p = image.GetData();
  for (int i = 0; i < image.GetWidth() * image.GetHeight(); ++i, p += 3)
    count += p[0] == r && p[1] == g && p[2] == b;
  return count;
}

// The grid's client area as the X server shows it.
wxImage CaptureClientArea(GridHost& grid) {
  const wxImage shot = CaptureScreen(grid);
  if (!shot.IsOk()) return shot;
  return shot.GetSubImage(wxRect(grid.GetClientAreaOrigin(), grid.GetClientSize()));
}

// Whether the screen shows the grid's cursor row as its buffer has it.
bool ScreenShowsTheBuffer(GridHost& grid) {
  const int cursorPixels = CountColour(grid.Buffer().Image(), 0x00, 0x00, 0x80);
  return cursorPixels > 0 && CountColour(CaptureClientArea(grid), 0x00, 0x00, 0x80) == cursorPixels;
}

std::string CellText(GridHost& grid, int row, int column) {
  GridCellRef ref{row, column};
  std::string text;
  grid.Send(GRM_GETCELLTEXT, reinterpret_cast<win::WPARAM>(&ref), reinterpret_cast<win::LPARAM>(&text));
  return text;
}

class GridHostTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterGridClass(win::ThreadWindowSystem()); }

  void SetUp() override {
    m_frame = new GridDemoFrame;
    m_frame->Show();
    m_frame->Raise();
    ASSERT_TRUE(test::PumpUntil([&] { return m_frame->IsShownOnScreen(); }));
    m_frame->Grid().SetFocus();
    ASSERT_TRUE(test::PumpUntil([&] { return wxWindow::FindFocus() == &m_frame->Grid(); }));
    ASSERT_TRUE(test::PumpUntil([&] { return ScreenShowsTheBuffer(m_frame->Grid()); }));
  }

  void TearDown() override {
    m_frame->Destroy();
    test::PumpEvents();
  }

  GridDemoFrame* m_frame = nullptr;
};

wxString ScreenshotPath(const wxString& name) {
  const wxString directory = wxString(QUOR_BIN_DIR) + "/../screenshots";
  wxFileName::Mkdir(directory, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
  return directory + "/" + name;
}

TEST_F(GridHostTest, TypingThenEnterStoresTheTextAndMovesTheCursorDown) {
  GridHost& grid = m_frame->Grid();
  wxUIActionSimulator input;
  input.Text("12");
  ASSERT_TRUE(test::PumpUntil([&] { return FindGridSlot(grid.GetId())->EditText == "12"; }));
  // The caret stands at the right of the edited cell, on the screen too.
  const win::Caret& caret = win::ThreadWindowSystem().SystemCaret();
  ASSERT_TRUE(caret.Visible());
  const wxPoint origin = grid.GetClientAreaOrigin();
  const wxPoint caretMiddle(origin.x + caret.X(), origin.y + caret.Y() + caret.Height() / 2);
  const auto caretDarkness = [&](const wxImage& shot) {
    if (!shot.IsOk()) return -1;
    return shot.GetRed(caretMiddle.x, caretMiddle.y) + shot.GetGreen(caretMiddle.x, caretMiddle.y) +
           shot.GetBlue(caretMiddle.x, caretMiddle.y);
  };
  wxImage editing;
  test::PumpUntil([&] {
    editing = CaptureScreen(grid);
    return caretDarkness(editing) == 0;
  });
  editing.SaveFile(ScreenshotPath("grid_editing.png"), wxBITMAP_TYPE_PNG);
  EXPECT_EQ(caretDarkness(editing), 0);
  input.Char(WXK_RETURN);
  ASSERT_TRUE(test::PumpUntil([&] { return grid.Send(GRM_GETCURSORROW) == 2; }));
  EXPECT_EQ(CellText(grid, 1, 1), "12");
  GridCellRef ref{1, 1};
  EXPECT_EQ(grid.Send(GRM_GETCELLKIND, reinterpret_cast<win::WPARAM>(&ref)), kKindNumber);
  EXPECT_EQ(m_frame->GetStatusBar()->GetStatusText(), "Notification 5 at row 2, column 1");
}

TEST_F(GridHostTest, ScreenshotShowsHeadingsCellsAndTheCursorRow) {
  const wxImage shot = CaptureScreen(*m_frame);
  ASSERT_TRUE(shot.SaveFile(ScreenshotPath("grid_demo.png"), wxBITMAP_TYPE_PNG));
  // The focused cursor row is dark blue, headings and row headers button face.
  EXPECT_GT(CountColour(shot, 0x00, 0x00, 0x80), 100);
  EXPECT_GT(CountColour(shot, 0xF0, 0xF0, 0xF0), 500);
  // The screen shows exactly what the grid drew into its buffer.
  const wxImage buffer = m_frame->Grid().Buffer().Image();
  const wxImage onScreen = CaptureClientArea(m_frame->Grid());
  EXPECT_EQ(CountColour(onScreen, 0x00, 0x00, 0x80), CountColour(buffer, 0x00, 0x00, 0x80));
}

TEST_F(GridHostTest, FocusFrameDrawnTwiceRestoresThePixels) {
  GridHost& grid = m_frame->Grid();
  const wxImage before = grid.Buffer().Image();
  const wxImage screenBefore = CaptureScreen(grid);
  grid.Send(GRM_TOGGLEFOCUSFRAME);
  grid.Update();
  EXPECT_FALSE(SameImage(grid.Buffer().Image(), before));
  EXPECT_TRUE(test::PumpUntil([&] { return !SameImage(CaptureScreen(grid), screenBefore); }));
  grid.Send(GRM_TOGGLEFOCUSFRAME);
  grid.Update();
  EXPECT_TRUE(SameImage(grid.Buffer().Image(), before));
  EXPECT_TRUE(test::PumpUntil([&] { return SameImage(CaptureScreen(grid), screenBefore); }));
}

TEST_F(GridHostTest, TypingOverACellShowsNothingOfItsOldText) {
  GridHost& grid = m_frame->Grid();
  // The dialogs' row height: descenders come down to the cell's bottom line.
  grid.Send(GRM_SETROWHEIGHT, 18);
  const GridSlot& slot = *FindGridSlot(grid.GetId());
  const RECT cell = CellRect(slot, 1, 1);
  const wxRect inside(grid.ClientToScreen(wxPoint(cell.left + 1, cell.top + 1)),
                      wxSize(cell.right - cell.left - 2, cell.bottom - cell.top - 2));
  wxUIActionSimulator input;
  // The inside of the cell on screen, as stored and then with "7" typed over it.
  const auto typeOver = [&](const char* stored) {
    GridCellRef ref{1, 1};
    grid.Send(GRM_SETCELLTEXT, reinterpret_cast<win::WPARAM>(&ref), reinterpret_cast<win::LPARAM>(stored));
    EXPECT_TRUE(test::PumpUntilScreenSettles(inside));
    std::pair<wxImage, wxImage> shots{test::CaptureScreenArea(inside), {}};
    input.Char('7');
    EXPECT_TRUE(test::PumpUntil([&] { return slot.EditText == "7"; }));
    EXPECT_TRUE(test::PumpUntilScreenSettles(inside));
    shots.second = test::CaptureScreenArea(inside);
    input.Char(WXK_ESCAPE);
    EXPECT_TRUE(test::PumpUntil([&] { return !slot.Editing; }));
    return shots;
  };
  const auto [empty, overEmpty] = typeOver("");
  const auto [descenders, overDescenders] = typeOver("gjpqy gjpqy gjpqy");
  ASSERT_FALSE(SameImage(descenders, empty));
  EXPECT_TRUE(SameImage(overDescenders, overEmpty));
  EXPECT_EQ(CountColour(overEmpty, 0x00, 0x00, 0x80), 0);  // nor the row's highlight
}

}  // namespace
}  // namespace quor::grid
