// The editing view's commands driven as a user drives them: keys pressed on
// the view's window, mouse clicks, menu commands routed from the frame, and
// the dialogs they open, answered from inside their modal loops.
#include <gtest/gtest.h>
#include <wx/aui/auibar.h>
#include <wx/button.h>
#include <wx/listctrl.h>
#include <wx/mdi.h>
#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>
#include <wx/timer.h>
#include <wx/treectrl.h>
#include <wx/uiaction.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "ViewFixture.h"
#include "editor/document/CCrtanjeDoc.h"
#include "editor/grid/GridWndProc.h"
#include "editor/model/CDielectric.h"
#include "editor/model/CLayer.h"
#include "editor/model/CStructure.h"
#include "editor/ui/CCrtanjeView.h"
#include "editor/ui/CMainFrame.h"
#include "editor/ui/CommandIds.h"
#include "editor/ui/ViewCanvas.h"
#include "editor/ui/bars/CDlgLayers.h"
#include "editor/ui/bars/CDlgProjectTree.h"
#include "editor/ui/bars/CInfoBar.h"
#include "editor/ui/bars/CProjectBar.h"
#include "editor/ui/bars/LayerComboBox.h"
#include "editor/ui/dialogs/CDlgConductorIndex.h"
#include "editor/ui/dialogs/CDlgVia.h"
#include "editor/ui/dialogs/ConductorIndexValue.h"
#include "editor/ui/polygondialog/CDlgPolygon.h"
#include "editor/ui/view/ViewCore.h"
#include "platform/win/WindowSystem.h"
#include "support/ScreenProbe.h"
#include "support/ScreenSettle.h"
#include "support/WxTestPump.h"

namespace quor::test {
namespace {

namespace fs = std::filesystem;

// Answers the first modal dialog of its kind that shows within ten seconds,
// from inside the dialog's own loop: a timer keeps looking for it.
template <typename Dialog>
class WhenDialogShows : public wxTimer {
 public:
  explicit WhenDialogShows(std::function<void(Dialog&)> act) : m_act(std::move(act)) { Start(20); }
  bool Answered() const { return m_answered; }

 private:
  void Notify() override {
    for (wxWindow* window : wxTopLevelWindows) {
      auto* dialog = dynamic_cast<Dialog*>(window);
      if (dialog == nullptr || !dialog->IsModal()) continue;
      Stop();
      m_answered = true;
      m_act(*dialog);
      return;
    }
    if (++m_ticks > 500) Stop();
  }

  std::function<void(Dialog&)> m_act;
  bool m_answered = false;
  int m_ticks = 0;
};

class ViewCommandsWxTest : public ViewFixture {
 protected:
  // The Polygon dialog's grid, as the application registers it at start.
  static void SetUpTestSuite() { grid::RegisterGridClass(win::ThreadWindowSystem()); }

  void SetUp() override {
    ViewFixture::SetUp();
    view = OpenCopy(QUOR_SOURCE_DIR "/examples/microstrip.qlx");
    ASSERT_NE(view, nullptr);
    core = view->GetCore();
    document = &Document(*view);
    // The tests place their own objects on the bottom layer.
    core->SetActiveLayer(0.0);
  }

  CStructure& Model() const { return document->GetModel(); }
  CLayer& Bottom() const { return Model().FindLayerByZ(0.0); }

  int ObjectCount() const {
    int count = static_cast<int>(Model().GetVias().size());
    for (const auto& layer : Model().GetLayers()) count += layer->GetShapeCount();
    return count;
  }

  CConductorPolygon& AddSquare(double left, double bottom, double side) {
    return document->AddObjectCopyAt(0.0, Square(left, bottom, side, 0.0));
  }

  // Keys go to the window that has the focus, as on a desktop.
  void Press(int key, int modifiers = wxMOD_NONE) {
    frame->Raise();
    view->GetCanvas()->SetFocus();
    PumpUntil([this] { return wxWindow::FindFocus() == view->GetCanvas(); });
    wxUIActionSimulator input;
    input.Char(key, modifiers);
    PumpEvents();
  }

  wxPoint ScreenPoint(double x, double y) const {
    const DevicePoint client = core->WorldToScreen({x, y});
    return view->GetCanvas()->ClientToScreen(wxPoint(client.x, client.y));
  }

  // Right-clicks there; the menu that would pop up is recorded, not shown.
  std::vector<int> RightClick(double x, double y) {
    std::vector<int> items;
    view->SetPopupRunner([&items](wxMenu& menu, DevicePoint) {
      for (const wxMenuItem* item : menu.GetMenuItems()) items.push_back(item->GetId());
      return wxID_NONE;
    });
    wxUIActionSimulator input;
    input.MouseMove(ScreenPoint(x, y));
    input.MouseClick(wxMOUSE_BTN_RIGHT);
    PumpUntil([&items] { return !items.empty(); });
    return items;
  }

  static bool Has(const std::vector<int>& items, int id) {
    return std::find(items.begin(), items.end(), id) != items.end();
  }

  CCrtanjeView* view = nullptr;
  ViewCore* core = nullptr;
  CCrtanjeDoc* document = nullptr;
};

TEST_F(ViewCommandsWxTest, CtrlAThenDeleteEmptiesTheModelInOneUndoStepAndCtrlZBringsItBack) {
  AddSquare(100, 100, 200);
  const int objects = ObjectCount();
  ASSERT_GT(objects, 1);
  const std::size_t steps = document->UndoCount();
  Press('A', wxMOD_CONTROL);
  ASSERT_TRUE(PumpUntil([this, objects] { return core->GetSelection().GetCount() == objects; }));
  Press(WXK_DELETE);
  EXPECT_TRUE(PumpUntil([this] { return ObjectCount() == 0; }));
  EXPECT_EQ(document->UndoCount(), steps + 1);
  Press('Z', wxMOD_CONTROL);
  EXPECT_TRUE(PumpUntil([this, objects] { return ObjectCount() == objects; }));

  // Delete with nothing selected records nothing.
  ASSERT_TRUE(core->GetSelection().IsEmpty());
  const std::size_t afterUndo = document->UndoCount();
  Press(WXK_DELETE);
  EXPECT_EQ(document->UndoCount(), afterUndo);
  EXPECT_EQ(ObjectCount(), objects);
}

TEST_F(ViewCommandsWxTest, CopyAndPasteTwicePutTwoCopiesTenPixelsFromTheOriginalAndCtrlTAtIt) {
  EXPECT_FALSE(IsCommandEnabled(cmd::kEditPaste)) << "an empty clipboard";
  Press('V', wxMOD_CONTROL);
  const int before = ObjectCount();
  EXPECT_EQ(ObjectCount(), before);

  CConductorPolygon& square = AddSquare(100, 100, 200);
  core->AddToSelection(square);
  Press('C', wxMOD_CONTROL);
  ASSERT_EQ(frame->GetClipboard().size(), 1u);
  EXPECT_TRUE(IsCommandEnabled(cmd::kEditPaste));
  const double d = core->PixelsToUnits(10);
  const std::size_t steps = document->UndoCount();
  const int shapes = Bottom().GetShapeCount();
  Press('V', wxMOD_CONTROL);
  Press('V', wxMOD_CONTROL);
  ASSERT_TRUE(PumpUntil([&] { return Bottom().GetShapeCount() == shapes + 2; }));
  EXPECT_EQ(document->UndoCount(), steps + 2);
  for (auto copy = std::prev(Bottom().GetShapes().end(), 2); copy != Bottom().GetShapes().end(); ++copy) {
    EXPECT_NEAR((*copy)->GetBBox().left, 100 + d, 1e-9);
    EXPECT_NEAR((*copy)->GetBBox().top, 300 - d, 1e-9);
  }
  EXPECT_EQ(core->GetSelection().GetObjects(), std::vector<CShape*>{Bottom().GetShapes().back().get()});

  Press('T', wxMOD_CONTROL);
  ASSERT_TRUE(PumpUntil([&] { return Bottom().GetShapeCount() == shapes + 3; }));
  EXPECT_EQ(Bottom().GetShapes().back()->GetBBox(), Square(100, 100, 200, 0.0).GetBBox());
}

TEST_F(ViewCommandsWxTest, CutOfTwoPolygonsIsOneUndoStepAndArrowsMoveTenPixels) {
  CConductorPolygon& a = AddSquare(100, 100, 200);
  CConductorPolygon& b = AddSquare(1000, 100, 200);
  core->AddToSelection(a);
  Press(WXK_RIGHT);
  EXPECT_NEAR(a.GetBBox().left, 100 + core->PixelsToUnits(10), 1e-9);
  Press(WXK_DOWN);
  EXPECT_NEAR(a.GetBBox().bottom, 100 - core->PixelsToUnits(10), 1e-9);

  core->AddToSelection(b);
  const int before = ObjectCount();
  const std::size_t steps = document->UndoCount();
  Press('X', wxMOD_CONTROL);
  EXPECT_TRUE(PumpUntil([this, before] { return ObjectCount() == before - 2; }));
  EXPECT_EQ(document->UndoCount(), steps + 1);
  EXPECT_EQ(frame->GetClipboard().size(), 2u);
}

TEST_F(ViewCommandsWxTest, RightClickSelectsTheObjectAndShowsTheMenuOfItsKind) {
  CConductorPolygon& square = AddSquare(100, 100, 400);
  CConductorPolygon& other = AddSquare(1000, 100, 200);
  core->AddToSelection(other);
  const std::vector<int> polygonMenu = RightClick(300, 300);
  EXPECT_EQ(core->GetSelection().GetObjects(), std::vector<CShape*>{&square});
  EXPECT_TRUE(Has(polygonMenu, cmd::kPolygonProperties));
  EXPECT_TRUE(Has(polygonMenu, cmd::kObjectIndex));
  EXPECT_FALSE(Has(polygonMenu, cmd::kViewShowGrid));

  double length = 0.0;
  double width = 0.0;
  document->GetFootprintSize(length, width);
  const std::vector<int> emptyMenu = RightClick(length - 10, width - 10);
  EXPECT_TRUE(core->GetSelection().IsEmpty());
  EXPECT_TRUE(Has(emptyMenu, cmd::kViewShowGrid));
  EXPECT_FALSE(Has(emptyMenu, cmd::kEditDelete));

  // The menu's choice is carried out as from the menu bar.
  core->AddToSelection(square);
  view->SetPopupRunner([](wxMenu& menu, DevicePoint) {
    EXPECT_TRUE(menu.FindItem(cmd::kEditDelete)->IsEnabled());
    return cmd::kEditDelete;
  });
  const int before = ObjectCount();
  wxUIActionSimulator input;
  input.MouseMove(ScreenPoint(300, 300));
  input.MouseClick(wxMOUSE_BTN_RIGHT);
  EXPECT_TRUE(PumpUntil([this, before] { return ObjectCount() == before - 1; }));
}

TEST_F(ViewCommandsWxTest, ZoomStopsAtItsLimitsAndTheGridCheckMarkFollowsTheView) {
  for (int i = 0; i < 20 && IsCommandEnabled(cmd::kViewZoomIn); ++i) Command(cmd::kViewZoomIn);
  EXPECT_EQ(core->GetZoom(), 16.0f);
  EXPECT_FALSE(IsCommandEnabled(cmd::kViewZoomIn));
  for (int i = 0; i < 20 && IsCommandEnabled(cmd::kViewZoomOut); ++i) Command(cmd::kViewZoomOut);
  EXPECT_EQ(core->GetZoom(), 0.1f);
  EXPECT_FALSE(IsCommandEnabled(cmd::kViewZoomOut));
  Command(cmd::kViewZoomAll);
  EXPECT_EQ(core->GetZoom(), 1.0f);

  wxMenuBar* bar = VisibleMenuBar();
  for (int round = 0; round < 2; ++round) {
    bar->UpdateMenus();
    EXPECT_EQ(bar->FindItem(cmd::kViewShowGrid)->IsChecked(), core->IsShowGrid());
    EXPECT_EQ(bar->FindItem(cmd::kViewSnapToGrid)->IsChecked(), core->IsSnapToGrid());
    Command(cmd::kViewShowGrid);
    Command(cmd::kViewSnapToGrid);
  }
}

// The keypad keys zoom whatever the NumLock state.
TEST_F(ViewCommandsWxTest, NumpadPlusAndMinusZoomInAndOut) {
  for (int numLock = 0; numLock < 2; ++numLock) {
    const float start = core->GetZoom();
    Press(WXK_NUMPAD_ADD);
    EXPECT_GT(core->GetZoom(), start);
    Press(WXK_NUMPAD_SUBTRACT);
    Press(WXK_NUMPAD_SUBTRACT);
    EXPECT_LT(core->GetZoom(), start);
    Press(WXK_NUMLOCK);
  }
}

// The status bar's message pane shows the prompt of what the pointer or the
// keyboard highlights, and "Ready" once nothing is.
TEST_F(ViewCommandsWxTest, HighlightedMenuItemsAndToolbarButtonsShowTheirPrompts) {
  EXPECT_TRUE(StatusShows("Ready"));
  wxAuiToolBar* standard = nullptr;
  for (wxWindow* child : frame->GetChildren()) {
    auto* bar = dynamic_cast<wxAuiToolBar*>(child);
    if (bar != nullptr && bar->FindTool(cmd::kViewZoomIn) != nullptr) standard = bar;
  }
  ASSERT_NE(standard, nullptr);
  frame->Raise();
  wxUIActionSimulator input;
  const wxRect button = standard->GetToolRect(cmd::kViewZoomIn);
  input.MouseMove(standard->ClientToScreen(button.GetPosition() + button.GetSize() / 2));
  EXPECT_TRUE(StatusShows("Zoom In, Shortcut: Numpad +"));
  input.MouseMove(frame->GetStatusBar()->ClientToScreen(wxPoint(5, 5)));
  EXPECT_TRUE(StatusShows("Ready"));

  Press('D', wxMOD_ALT);
  EXPECT_TRUE(StatusShows("Polyline, Shortcut: F4"));
  input.Char(WXK_DOWN);
  EXPECT_TRUE(StatusShows("Rectange, Shortcut: F5"));
  input.Char(WXK_ESCAPE);
  input.Char(WXK_ESCAPE);
  EXPECT_TRUE(StatusShows("Ready"));
}

TEST_F(ViewCommandsWxTest, CtrlFAndCtrlBChangeTheDrawOrderAndSubtractNeedsTwoPolygons) {
  CConductorPolygon& large = AddSquare(100, 100, 1000);
  CConductorPolygon& small = AddSquare(300, 300, 200);
  core->AddToSelection(large);
  EXPECT_FALSE(IsCommandEnabled(cmd::kArrangeSubtract));
  Press('F', wxMOD_CONTROL);
  EXPECT_EQ(Bottom().GetShapes().back().get(), &large);
  core->AddToSelection(small);
  EXPECT_FALSE(IsCommandEnabled(cmd::kArrangeBringToFront)) << "two polygons";
  core->GetSelection().Clear();
  core->AddToSelection(small);
  Press('B', wxMOD_CONTROL);
  EXPECT_EQ(Bottom().GetShapes().front().get(), &small);

  core->AddToSelection(large);
  ASSERT_TRUE(IsCommandEnabled(cmd::kArrangeSubtract));
  const int before = Bottom().GetShapeCount();
  Command(cmd::kArrangeSubtract);
  EXPECT_EQ(Bottom().GetShapeCount(), before - 1);
}

// Each command's enabled state, as the menus show it after the update-UI
// events, for nothing, one polygon, one via, two polygons and three polygons
// selected ('+' enabled, '-' disabled).
TEST_F(ViewCommandsWxTest, EveryCommandIsEnabledByItsRuleForEachSelection) {
  CConductorPolygon& a = AddSquare(100, 100, 200);
  CConductorPolygon& b = AddSquare(400, 100, 200);
  CConductorPolygon& c = AddSquare(700, 100, 200);
  CVia& via = document->AddObjectCopy(
      CVia(20.0, 500, 500, Model().GetLayers().back().get(), Model().GetLayers().front().get(), true));
  const std::vector<std::vector<CShape*>> selections{{}, {&a}, {&via}, {&a, &b}, {&a, &b, &c}};
  // clang-format off
  const std::pair<int, const char*> rules[] = {
      {cmd::kEditSelectAll, "+++++"},        {cmd::kEditCopy, "-++++"},
      {cmd::kEditCut, "-++++"},              {cmd::kEditDelete, "-++++"},
      {cmd::kEditPaste, "-----"},            {cmd::kEditPasteOriginal, "-----"},
      {cmd::kViewProperties, "-++--"},       {cmd::kPolygonProperties, "-++--"},
      {cmd::kViaProperties, "-++--"},        {cmd::kObjectIndex, "+++++"},
      {cmd::kArrangeBringToFront, "-+---"},  {cmd::kArrangeSendToBack, "-+---"},
      {cmd::kArrangeSubtract, "---+-"},      {cmd::kViewZoomIn, "+++++"},
      {cmd::kViewZoomOut, "+++++"},          {cmd::kViewZoomAll, "+++++"},
      {cmd::kViewShowGrid, "+++++"},         {cmd::kViewSnapToGrid, "+++++"},
      {cmd::kViewRenderNormal, "+++++"},     {cmd::kViewRenderWireFrame, "+++++"},
      {cmd::kProjectNewPolygon, "+++++"},    {cmd::kProjectNewLayer, "+++++"},
      {cmd::kProjectNewVia, "+++++"},        {cmd::kProjectFootprint, "+++++"},
      {cmd::kToolSelect, "+++++"},           {cmd::kToolPolyline, "+++++"},
  };
  // clang-format on
  wxMenuBar* bar = VisibleMenuBar();
  for (std::size_t s = 0; s < selections.size(); ++s) {
    core->GetSelection().Clear();
    for (CShape* object : selections[s]) core->AddToSelection(*object);
    bar->UpdateMenus();
    for (const auto& [id, states] : rules) {
      // Commands of the context menus only are asked of the frame directly.
      const wxMenuItem* item = bar->FindItem(id);
      const bool enabled = item != nullptr ? item->IsEnabled() : IsCommandEnabled(id);
      EXPECT_EQ(enabled, states[s] == '+') << "command " << id << ", selection " << s;
    }
  }
}

TEST_F(ViewCommandsWxTest, AltEnterOpensTheDialogOfTheObjectsKind) {
  CConductorPolygon& square = AddSquare(100, 100, 400);
  core->AddToSelection(square);
  WhenDialogShows<CDlgPolygon> polygonDialog([](CDlgPolygon& dialog) { dialog.EndModal(wxID_CANCEL); });
  Press(WXK_RETURN, wxMOD_ALT);
  EXPECT_TRUE(PumpUntil([&] { return polygonDialog.Answered(); }));
  EXPECT_EQ(core->GetNodeDisplay(), 0);

  CVia& via = document->AddObjectCopy(
      CVia(20.0, 500, 500, Model().GetLayers().back().get(), Model().GetLayers().front().get(), true));
  core->GetSelection().Clear();
  core->AddToSelection(via);
  WhenDialogShows<CDlgVia> viaDialog([](CDlgVia& dialog) { dialog.EndModal(wxID_CANCEL); });
  Press(WXK_RETURN, wxMOD_ALT);
  EXPECT_TRUE(PumpUntil([&] { return viaDialog.Answered(); }));

  core->AddToSelection(square);
  EXPECT_FALSE(IsCommandEnabled(cmd::kViewProperties)) << "two objects";
}

// The Polygon dialog's layer list shows each layer's colour, as the Via
// dialog's lists do.
TEST_F(ViewCommandsWxTest, ThePolygonDialogsLayerListShowsTheLayersColour) {
  CConductorPolygon& square = AddSquare(100, 100, 400);
  core->AddToSelection(square);
  int swatchPixels = 0;
  WhenDialogShows<CDlgPolygon> answer([&](CDlgPolygon& dialog) {
    wxWindow& list = *dialog.FindWindow(CDlgPolygon::kLayerCombo);
    const wxRect area(list.ClientToScreen(wxPoint(0, 0)), list.GetClientSize());
    PumpUntilScreenSettles(area);
    swatchPixels = CountColour(CaptureScreenArea(area), Bottom().colour);
    dialog.EndModal(wxID_CANCEL);
  });
  Press(WXK_RETURN, wxMOD_ALT);
  ASSERT_TRUE(PumpUntil([&] { return answer.Answered(); }));
  EXPECT_GE(swatchPixels, 25);
}

TEST_F(ViewCommandsWxTest, CtrlIWithTextWithoutDigitsSetsIndexZero) {
  CConductorPolygon& square = AddSquare(100, 100, 400);
  square.conductorIndex = 5;
  core->AddToSelection(square);
  std::string shown;
  WhenDialogShows<CDlgConductorIndex> answer([&shown](CDlgConductorIndex& dialog) {
    auto* field = dynamic_cast<wxTextCtrl*>(dialog.FindWindow(conductor_index_dialog::kIndexEdit));
    ASSERT_NE(field, nullptr);
    shown = field->GetValue().ToStdString();
    field->ChangeValue("abc");
    wxCommandEvent ok(wxEVT_BUTTON, wxID_OK);
    ok.SetEventObject(dialog.FindWindow(wxID_OK));
    dialog.FindWindow(wxID_OK)->GetEventHandler()->ProcessEvent(ok);
  });
  const std::size_t steps = document->UndoCount();
  Press('I', wxMOD_CONTROL);
  EXPECT_TRUE(PumpUntil([&square] { return square.conductorIndex == 0; }));
  EXPECT_EQ(shown, "5");
  EXPECT_EQ(document->UndoCount(), steps + 1);
}

TEST_F(ViewCommandsWxTest, CancelledNewPolygonLeavesTheModelAsBeforeAndTwoUndoStepsMore) {
  const int before = ObjectCount();
  const std::size_t steps = document->UndoCount();
  WhenDialogShows<CDlgPolygon> answer([](CDlgPolygon& dialog) { dialog.EndModal(wxID_CANCEL); });
  Command(cmd::kProjectNewPolygon);
  EXPECT_TRUE(answer.Answered());
  EXPECT_EQ(ObjectCount(), before);
  EXPECT_EQ(document->UndoCount(), steps + 2);
  EXPECT_TRUE(core->GetSelection().IsEmpty());
}

// Del in the project tree is the tree's key: it deletes what is chosen in
// the tree (through the view), not the view's whole selection.
TEST_F(ViewCommandsWxTest, DeleteInTheProjectTreeActsOnTheTreesChoice) {
  CConductorPolygon& square = AddSquare(100, 100, 400);
  CConductorPolygon& other = AddSquare(1000, 100, 200);
  core->AddToSelection(square);
  ASSERT_NE(frame->GetProjectBar(), nullptr);
  wxTreeCtrl& tree = frame->GetProjectBar()->GetTree().GetTree();
  frame->Raise();
  tree.SetFocus();
  ASSERT_TRUE(PumpUntil([&tree] { return wxWindow::FindFocus() == &tree; }));
  tree.ExpandAll();
  PumpEvents();
  wxUIActionSimulator input;
  const auto choose = [&](const CShape& object) {
    const wxTreeItemId item = FindTreeItem(tree, tree.GetRootItem(), "Polygon " + std::to_string(object.id));
    wxRect rect;
    if (!item.IsOk() || !tree.GetBoundingRect(item, rect, true)) return false;
    input.MouseMove(tree.ClientToScreen(rect.GetPosition() + rect.GetSize() / 2));
    input.MouseClick();
    // Chosen in the tree, the object is the view's selection.
    return PumpUntil([&] {
      return core->GetSelection().GetObjects() == std::vector<CShape*>{const_cast<CShape*>(&object)};
    });
  };
  ASSERT_TRUE(choose(square));
  ASSERT_TRUE(choose(other));
  const int before = ObjectCount();
  // Held down while the press is handled, as a hand does it.
  input.KeyDown(WXK_DELETE);
  const bool handled = PumpUntil([&] { return ObjectCount() != before; });
  input.KeyUp(WXK_DELETE);
  EXPECT_TRUE(handled);
  PumpEvents();
  EXPECT_EQ(ObjectCount(), before - 1);
  EXPECT_EQ(Bottom().GetShapes().back().get(), &square);
}

// The project tree's object menus leave Paste to the view: disabled there,
// and the command, as that menu would send it, pastes nothing.
TEST_F(ViewCommandsWxTest, TheProjectTreesMenusDoNotPaste) {
  CConductorPolygon& square = AddSquare(100, 100, 400);
  core->AddToSelection(square);
  Press('C', wxMOD_CONTROL);
  ASSERT_TRUE(IsCommandEnabled(cmd::kEditPaste));
  CDlgProjectTree& tree = frame->GetProjectBar()->GetTree();
  const int before = ObjectCount();
  for (const int id : {cmd::kEditPaste, cmd::kEditPasteOriginal}) {
    wxUpdateUIEvent update(id);
    update.SetEventObject(&tree);
    tree.ProcessWindowEvent(update);
    EXPECT_FALSE(update.GetEnabled()) << id;
    wxCommandEvent chosen(wxEVT_MENU, id);
    chosen.SetEventObject(&tree);
    tree.ProcessWindowEvent(chosen);
    PumpEvents();
    EXPECT_EQ(ObjectCount(), before) << id;
  }
}

// Switching to another project's tab takes away what the pointer showed
// over the first one.
TEST_F(ViewCommandsWxTest, AnotherProjectsTabStartsWithReady) {
  AddSquare(100, 100, 400);
  CCrtanjeView* other = OpenCopy(QUOR_SOURCE_DIR "/examples/plate.qlx");
  ASSERT_NE(other, nullptr);
  dynamic_cast<wxMDIChildFrame*>(view->GetFrame())->Activate();
  ASSERT_TRUE(WaitUntilActive(document));
  WaitUntilLaidOut(*view);
  wxStatusBar& status = *frame->GetStatusBar();
  frame->Raise();
  wxUIActionSimulator input;
  input.MouseMove(ScreenPoint(300, 300));
  ASSERT_TRUE(PumpUntil([&] { return status.GetStatusText(0) != "Ready"; }));
  input.MouseMove(status.ClientToScreen(wxPoint(5, 5)));
  PumpEvents();
  dynamic_cast<wxMDIChildFrame*>(other->GetFrame())->Activate();
  ASSERT_TRUE(WaitUntilActive(&Document(*other)));
  EXPECT_TRUE(StatusShows("Ready"));
}

// A click on any row of the Layers window, the last one too, makes its
// layer the view's active layer, where new objects go; with three layers
// and with four. A click on a row's first cell hides its layer. A long name
// leaves the Er and Z columns in view.
TEST_F(ViewCommandsWxTest, AClickOnEveryRowOfTheLayersWindowMakesItsLayerActive) {
  CDlgLayers* layersWindow = frame->GetLayersWindow();
  ASSERT_NE(layersWindow, nullptr);
  wxListCtrl& list = layersWindow->GetList();
  // As New Layer adds one: the new layer becomes the active one.
  const auto addLayer = [this](const std::string& name) {
    const double z = Model().GetLayers().back()->GetZ() + 100.0;
    document->NotifyViews(Hint::NewLayer(Model().AddLayer(CDielectric(3.0, z), name, true, false)));
    core->SetActiveLayer(z);
  };
  const auto click = [&](long row, int x, const std::function<bool()>& done) {
    wxRect rect;
    if (!list.GetItemRect(row, rect)) return false;
    layersWindow->Raise();
    return ClickUntil(list, {x, rect.y + rect.height / 2}, done);
  };
  for (const int layers : {3, 4}) {
    while (Model().GetLayerCount() < layers) addLayer("Layer " + std::to_string(Model().GetLayerCount()));
    ASSERT_EQ(list.GetItemCount(), layers);
    for (long row = layers - 1; row >= 0; --row) {
      SCOPED_TRACE(testing::Message() << layers << " layers, row " << row);
      // Another layer active before, so that the click has something to change.
      core->SetActiveLayer(row == 0 ? Model().GetLayers().back()->GetZ() : 0.0);
      const double z = reinterpret_cast<CLayer*>(list.GetItemData(row))->GetZ();
      // In the name column, clear of the cells that toggle.
      EXPECT_TRUE(click(row, 3 * list.GetColumnWidth(0) + list.GetColumnWidth(3) / 2,
                        [&] { return core->GetActiveZ() == z; }));
      EXPECT_EQ(layersWindow->FirstSelectedRow(), row);
    }
  }
  const CLayer& last = *reinterpret_cast<CLayer*>(list.GetItemData(list.GetItemCount() - 1));
  EXPECT_TRUE(click(list.GetItemCount() - 1, list.GetColumnWidth(0) / 2, [&] { return !last.visible; }));

  addLayer(std::string(60, 'W'));
  PumpEvents();
  int total = 0;
  for (int column = 0; column < list.GetColumnCount(); ++column) total += list.GetColumnWidth(column);
  EXPECT_LE(total, list.GetClientSize().x);
  for (const int column : {4, 5}) {
    for (long row = 0; row < list.GetItemCount(); ++row) {
      EXPECT_GT(list.GetColumnWidth(column), list.GetTextExtent(list.GetItemText(row, column)).x);
    }
  }
}

// The bars list the open project: the Layers window and the project tree
// name its layers, the info bar shows the active layer and the mouse.
TEST_F(ViewCommandsWxTest, ScreenshotOfTheEditorWithItsBars) {
  const int layers = Model().GetLayerCount();
  CDlgLayers* layersWindow = frame->GetLayersWindow();
  ASSERT_NE(layersWindow, nullptr);
  wxListCtrl& list = layersWindow->GetList();
  EXPECT_EQ(list.GetItemCount(), layers);
  // Every column readable within the window: none runs off its right edge,
  // and the name, Er and Z columns hold their texts.
  int total = 0;
  for (int column = 0; column < list.GetColumnCount(); ++column) total += list.GetColumnWidth(column);
  EXPECT_LE(total, list.GetClientSize().x);
  for (int column = 3; column < list.GetColumnCount(); ++column) {
    for (long row = 0; row < list.GetItemCount(); ++row) {
      EXPECT_GT(list.GetColumnWidth(column), list.GetTextExtent(list.GetItemText(row, column)).x)
          << "column " << column << " row " << row;
    }
  }
  // The status bar's footprint pane holds its text.
  wxStatusBar& status = *frame->GetStatusBar();
  wxRect pane;
  ASSERT_TRUE(status.GetFieldRect(1, pane));
  EXPECT_FALSE(status.GetStatusText(1).empty());
  EXPECT_GT(pane.width, status.GetTextExtent(status.GetStatusText(1)).x);
  status.Refresh();
  status.Update();
  EXPECT_FALSE(status.GetField(1).IsEllipsized()) << status.GetStatusText(1);
  wxTreeCtrl& tree = frame->GetProjectBar()->GetTree().GetTree();
  wxTreeItemIdValue cookie;
  const wxTreeItemId layersItem = tree.GetFirstChild(tree.GetRootItem(), cookie);
  ASSERT_TRUE(layersItem.IsOk());
  EXPECT_EQ(static_cast<int>(tree.GetChildrenCount(layersItem, false)), layers);
  LayerComboBox& combo = frame->GetInfoBar()->GetLayerList();
  ASSERT_EQ(static_cast<int>(combo.GetCount()), layers);
  EXPECT_EQ(combo.LayerAt(combo.GetSelection()), &Bottom());

  wxUIActionSimulator input;
  input.MouseMove(ScreenPoint(500, 250));
  std::vector<wxTextCtrl*> fields;
  for (wxWindow* child : frame->GetInfoBar()->GetChildren()) {
    if (auto* field = dynamic_cast<wxTextCtrl*>(child)) fields.push_back(field);
  }
  ASSERT_EQ(fields.size(), 2u);
  const double pixel = document->ToDisplayUnits(core->PixelsToUnits(1.0));
  EXPECT_TRUE(PumpUntil([&] {
    return std::abs(std::stod(fields[0]->GetValue().ToStdString()) - document->ToDisplayUnits(500)) <= pixel;
  }));
  EXPECT_NEAR(std::stod(fields[1]->GetValue().ToStdString()), document->ToDisplayUnits(250), pixel);

  layersWindow->Raise();
  const wxRect area = frame->GetScreenRect().Union(layersWindow->GetScreenRect());
  EXPECT_TRUE(PumpUntilScreenSettles(area.Intersect(wxRect(wxPoint(0, 0), wxGetDisplaySize()))));
  const wxImage screen = CaptureScreenArea(area.Intersect(wxRect(wxPoint(0, 0), wxGetDisplaySize())));
  ASSERT_TRUE(screen.IsOk());
  const fs::path shots = fs::path(QUOR_BIN_DIR).parent_path() / "screenshots";
  fs::create_directories(shots);
  EXPECT_TRUE(screen.SaveFile((shots / "editor_with_bars.png").string(), wxBITMAP_TYPE_PNG));
}

}  // namespace
}  // namespace quor::test
