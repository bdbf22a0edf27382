// The Import DXF dialog's layer grid under real keys: what is typed is what
// is stored, and Esc, Enter, Tab and Alt+O do what they do in any dialog.
#include <gtest/gtest.h>

#include <wx/button.h>
#include <wx/choice.h>

#include <functional>
#include <tuple>

#include "GridKeysByHand.h"
#include "editor/grid/GridHost.h"
#include "editor/grid/GridMessages.h"
#include "editor/grid/GridWndProc.h"
#include "editor/ui/dxfimport/CDlgImportDxf.h"
#include "editor/ui/dxfimport/ModalDialogDriver.h"
#include "platform/win/WindowSystem.h"
#include "support/RecordingMessageBoxes.h"

namespace quor::test {
namespace {

using namespace grid::test;

class CDlgImportDxfWxTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { grid::RegisterGridClass(win::ThreadWindowSystem()); }

  // Shows the dialog for the layers "top" and "gnd" and acts on it once it is
  // up; a dialog the act leaves open ends with wxID_ABORT.
  int Run(const std::function<void(CDlgImportDxf&)>& act) {
    WhenDialogShows<CDlgImportDxf>([&act](CDlgImportDxf& dialog) {
      act(dialog);
      if (dialog.IsModal()) dialog.EndModal(wxID_ABORT);
    });
    CDlgImportDxf dialog(nullptr, messages);
    dialog.SetLayers(values);
    return dialog.ShowModal();
  }

  RecordingMessageBoxes messages;
  ImportDxfLayerValues values{{"top", "gnd"}};
};

TEST_F(CDlgImportDxfWxTest, TypedNumbersAndNamesAreStoredAsTyped) {
  const int ended = Run([](CDlgImportDxf& dialog) {
    grid::GridHost& grid = dialog.Grid();
    ASSERT_TRUE(FocusGrid(grid));
    ExpectTypedTextStored(grid, "(x)");
    grid.Send(grid::GRM_MOVECURSOR, 1, 2);
    ExpectTypedTextStored(grid, "1.6");
    grid.Send(grid::GRM_MOVECURSOR, 1, 3);
    ExpectTypedTextStored(grid, "-2.5e-3");
    // Every printable character but "~", which marks an owner-drawn cell.
    std::string printable;
    for (char c = ' '; c < '~'; ++c) printable += c;
    grid.Send(grid::GRM_MOVECURSOR, 2, 1);
    ExpectTypedTextStored(grid, printable);
  });
  EXPECT_EQ(ended, wxID_ABORT);
}

TEST_F(CDlgImportDxfWxTest, EscapeCancelsTheEditBeforeTheDialog) {
  const int ended =
      Run([](CDlgImportDxf& dialog) { ExpectEscapeCancelsTheEditThenTheDialog(dialog, dialog.Grid()); });
  EXPECT_EQ(ended, wxID_CANCEL);
}

TEST_F(CDlgImportDxfWxTest, EnterMovesDownWithoutPressingOkAndAltOPressesIt) {
  const int ended = Run([](CDlgImportDxf& dialog) {
    grid::GridHost& grid = dialog.Grid();
    // Rows that OK accepts, so that Enter pressing OK would end the dialog.
    for (const auto& [row, er, z] : {std::tuple{1, "4.5", "10"}, {2, "1", "0"}}) {
      SetGridCell(grid, row, 2, er);
      SetGridCell(grid, row, 3, z);
    }
    ExpectEnterMovesDown(dialog, grid);
    ExpectAltOPressesOk(dialog, grid);
  });
  EXPECT_EQ(ended, wxID_OK);
  EXPECT_EQ(values.names, (std::vector<std::string>{"top", "gnd"}));
  EXPECT_EQ(values.heights, (std::vector<double>{10, 0}));
  EXPECT_TRUE(messages.shown.empty());
}

// A height no project holds, as typed or in the unit chosen: OK is refused
// and the dialog keeps every row as it was typed.
TEST_F(CDlgImportDxfWxTest, AHeightBeyondADoubleKeepsTheDialogAndItsRows) {
  std::vector<std::string> kept;
  const int ended = Run([&kept](CDlgImportDxf& dialog) {
    grid::GridHost& grid = dialog.Grid();
    for (const auto& [row, er, z] : {std::tuple{1, "4.5", "1e400"}, {2, "1", "0"}}) {
      SetGridCell(grid, row, 2, er);
      SetGridCell(grid, row, 3, z);
    }
    wxCommandEvent ok(wxEVT_BUTTON, wxID_OK);
    dialog.GetEventHandler()->ProcessEvent(ok);
    ASSERT_TRUE(dialog.IsModal());
    SetGridCell(grid, 1, 3, "1e307");
    auto* unit = dynamic_cast<wxChoice*>(dialog.FindWindow(CDlgImportDxf::kUnitCombo));
    unit->SetSelection(1);  // m
    wxCommandEvent chosen(wxEVT_CHOICE, CDlgImportDxf::kUnitCombo);
    chosen.SetInt(1);
    dialog.GetEventHandler()->ProcessEvent(chosen);
    dialog.GetEventHandler()->ProcessEvent(ok);
    EXPECT_TRUE(dialog.IsModal());
    for (int column = 1; column <= 3; ++column) kept.push_back(GridCell(grid, 1, column));
  });
  EXPECT_EQ(ended, wxID_ABORT);
  EXPECT_EQ(messages.shown, (std::vector<std::string>{"Please enter a number.", "Please enter a number."}));
  EXPECT_EQ(kept, (std::vector<std::string>{"top", "4.5", "1e307"}));
}

TEST_F(CDlgImportDxfWxTest, TabAndShiftTabLeaveTheGridBothWays) {
  Run([](CDlgImportDxf& dialog) { ExpectTabMovesBetween(dialog.Grid(), *dialog.FindWindow(wxID_CANCEL)); });
}

}  // namespace
}  // namespace quor::test
