// The Polygon dialog on wx, driven as the grid and a user would drive it:
// a node edited live, OK filing one undo step, Cancel putting it back.
#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include <functional>

#include "DocumentBuilders.h"
#include "GridKeysByHand.h"
#include "editor/grid/GridCellRef.h"
#include "editor/grid/GridHost.h"
#include "editor/grid/GridMessages.h"
#include "editor/grid/GridWndProc.h"
#include "editor/model/CStructure.h"
#include "editor/ui/dxfimport/ModalDialogDriver.h"
#include "editor/ui/polygondialog/CDlgPolygon.h"
#include "platform/win/WindowSystem.h"
#include "support/WxTestPump.h"

namespace quor::test {
namespace {

// Types into a cell and ends the edit, as the grid reports it.
void EditCell(CDlgPolygon& dialog, int row, int column, const char* text) {
  grid::GridCellRef ref;
  grid::SetGridCellRef(ref, row, column);
  dialog.Grid().Send(grid::GRM_SETCELLTEXT, reinterpret_cast<win::WPARAM>(&ref),
                     reinterpret_cast<win::LPARAM>(text));
  wxCommandEvent finished(QUOR_EVT_GRID_NOTIFY, CDlgPolygon::kNodeGrid);
  finished.SetInt(grid::GRN_EDITFINISHED);
  finished.SetExtraLong(win::MAKELPARAM(static_cast<win::WORD>(row), static_cast<win::WORD>(column)));
  dialog.GetEventHandler()->ProcessEvent(finished);
}

void Press(CDlgPolygon& dialog, int id) {
  wxCommandEvent event(wxEVT_BUTTON, id);
  dialog.GetEventHandler()->ProcessEvent(event);
}

class CDlgPolygonWxTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { grid::RegisterGridClass(win::ThreadWindowSystem()); }

  CConductorPolygon& AddTriangle() {
    CConductorPolygon triangle;
    for (const auto& [x, y] : {std::pair{0.0, 0.0}, {254.0, 0.0}, {254.0, 508.0}})
      triangle.AddNode({x, y, 0.0});
    triangle.SetClosed(true);
    return document->AddObjectCopyAt(0.0, triangle);
  }

  // Runs the dialog on the polygon and acts on it once it is up; a dialog the
  // act leaves open is cancelled and ends with wxID_ABORT.
  int RunAndAct(CConductorPolygon& polygon, const std::function<void(CDlgPolygon&)>& act) {
    WhenDialogShows<CDlgPolygon>([&act](CDlgPolygon& dialog) {
      act(dialog);
      if (!dialog.IsModal()) return;
      Press(dialog, wxID_CANCEL);
      dialog.SetReturnCode(wxID_ABORT);
    });
    return Run(polygon);
  }

  int Run(CConductorPolygon& polygon) {
    CDlgPolygon dialog(
        nullptr, *document, polygon, 0.0, false,
        PolygonDialogCore::ViewHooks{[this](int node) { highlighted = node; }, [this] { ++repaints; }},
        services.messages);
    return dialog.ShowModal();
  }

  FakeServices services;
  std::unique_ptr<FakeProjectDocument> document = NewProject(services);
  int highlighted = -2;
  int repaints = 0;
};

TEST_F(CDlgPolygonWxTest, EditingANodeIsOneUndoStep) {
  CConductorPolygon& triangle = AddTriangle();
  const std::size_t undoSteps = document->UndoCount();
  double liveX = -1;
  WhenDialogShows<CDlgPolygon>([&](CDlgPolygon& dialog) {
    EditCell(dialog, 1, 1, "50");
    liveX = triangle.GetNodes().GetAt(0)->x;
    auto* index = dynamic_cast<wxTextCtrl*>(dialog.FindWindow(CDlgPolygon::kIndexEdit));
    index->SetValue("1.5");
    Press(dialog, wxID_OK);
    index->SetValue("4");
    Press(dialog, wxID_OK);
  });
  services.hints.clear();
  EXPECT_EQ(Run(triangle), wxID_OK);

  EXPECT_DOUBLE_EQ(liveX, 50 * 2.54);
  EXPECT_GT(repaints, 0);
  EXPECT_EQ(services.messages.shown, std::vector<std::string>{"Please enter an integer."});
  EXPECT_EQ(triangle.conductorIndex, 4u);
  EXPECT_TRUE(triangle.IsClosed());
  EXPECT_EQ(document->UndoCount(), undoSteps + 1);
  ASSERT_FALSE(services.hints.empty());
  EXPECT_EQ(services.hints.back().hint, UpdateHint::HintPolygonEdited);

  document->Undo();
  const CConductorPolygon& restored = *document->GetModel().GetLayerByIndex(0).GetShapes().back();
  EXPECT_DOUBLE_EQ(restored.GetNodes().GetAt(0)->x, 0);
  EXPECT_EQ(restored.conductorIndex, 0u);
}

// "abc" typed into a node cell by hand: refused once the grid is done with
// the Enter that ended it, the cursor back on the cell, the node unchanged;
// OK refuses the cell again, then a negative conductor index.
TEST_F(CDlgPolygonWxTest, ACellTypedWithoutANumberIsRefusedWhereItStands) {
  CConductorPolygon& triangle = AddTriangle();
  std::string cell;
  int cursorRow = 0;
  const int ended = RunAndAct(triangle, [&](CDlgPolygon& dialog) {
    grid::GridHost& nodes = dialog.Grid();
    ASSERT_TRUE(grid::test::FocusGrid(nodes));
    nodes.Send(grid::GRM_MOVECURSOR, 2, 2);
    wxUIActionSimulator().Text("abc");
    wxUIActionSimulator().Char(WXK_RETURN);
    ASSERT_TRUE(PumpUntil([this] { return !services.messages.shown.empty(); }));
    cell = grid::test::GridCell(nodes, 2, 2);
    cursorRow = static_cast<int>(nodes.Send(grid::GRM_GETCURSORROW));
    Press(dialog, wxID_OK);
    auto* index = dynamic_cast<wxTextCtrl*>(dialog.FindWindow(CDlgPolygon::kIndexEdit));
    index->SetValue("-1");
    Press(dialog, wxID_OK);
  });
  EXPECT_EQ(ended, wxID_ABORT);
  EXPECT_EQ(cell, "abc");
  EXPECT_EQ(cursorRow, 2);
  EXPECT_EQ(services.messages.shown,
            (std::vector<std::string>{"Please enter a number.", "Please enter a number.",
                                      "Please enter a positive integer"}));
  EXPECT_DOUBLE_EQ(triangle.GetNodes().GetAt(1)->y, 0.0);
  EXPECT_EQ(triangle.conductorIndex, 0u);
}

TEST_F(CDlgPolygonWxTest, CancelPutsThePolygonBack) {
  CConductorPolygon& triangle = AddTriangle();
  const std::size_t undoSteps = document->UndoCount();
  WhenDialogShows<CDlgPolygon>([&](CDlgPolygon& dialog) {
    EditCell(dialog, 4, 2, "7");
    EXPECT_EQ(triangle.GetNodes().GetCount(), 4);
    Press(dialog, wxID_CANCEL);
  });
  EXPECT_EQ(Run(triangle), wxID_CANCEL);
  EXPECT_EQ(triangle.GetNodes().GetCount(), 3);
  EXPECT_TRUE(triangle.IsClosed());
  EXPECT_EQ(document->UndoCount(), undoSteps);
}

TEST_F(CDlgPolygonWxTest, EscapeCancelsTheNodeEditBeforeTheDialog) {
  CConductorPolygon& triangle = AddTriangle();
  const int ended = RunAndAct(triangle, [](CDlgPolygon& dialog) {
    grid::test::ExpectEscapeCancelsTheEditThenTheDialog(dialog, dialog.Grid());
  });
  EXPECT_EQ(ended, wxID_CANCEL);
  EXPECT_EQ(triangle.GetNodes().GetCount(), 3);
  EXPECT_DOUBLE_EQ(triangle.GetNodes().GetAt(0)->x, 0);
}

TEST_F(CDlgPolygonWxTest, EnterMovesDownTheNodesAndAltOPressesOk) {
  CConductorPolygon& triangle = AddTriangle();
  const int ended = RunAndAct(triangle, [](CDlgPolygon& dialog) {
    grid::test::ExpectEnterMovesDown(dialog, dialog.Grid());
    grid::test::ExpectAltOPressesOk(dialog, dialog.Grid());
  });
  EXPECT_EQ(ended, wxID_OK);
  EXPECT_EQ(triangle.GetNodes().GetCount(), 3);
}

TEST_F(CDlgPolygonWxTest, TabAndShiftTabLeaveTheNodeGridBothWays) {
  CConductorPolygon& triangle = AddTriangle();
  RunAndAct(triangle, [](CDlgPolygon& dialog) {
    grid::test::ExpectTabMovesBetween(dialog.Grid(), *dialog.FindWindow(CDlgPolygon::kClosedCheck));
  });
}

}  // namespace
}  // namespace quor::test
