// The bars on screen: a sample project shown in the Layers window, the
// project tree and the info bar, which follow the view's active layer.
#include <gtest/gtest.h>
#include <wx/docview.h>
#include <wx/frame.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>

#include <cstdint>

#include "BarTestDoubles.h"
#include "editor/model/CStructure.h"
#include "editor/ui/bars/ActivatedViewHint.h"
#include "editor/ui/bars/CDlgLayers.h"
#include "editor/ui/bars/CDlgProjectTree.h"
#include "editor/ui/bars/CInfoBar.h"
#include "editor/ui/bars/CProjectBar.h"
#include "editor/ui/bars/LayerComboBox.h"
#include "support/ScreenProbe.h"
#include "support/ScreenSettle.h"
#include "tests/editor/document/DocumentTestDoubles.h"
#include "tests/support/WxTestPump.h"

namespace quor::test {
namespace {

// A wx view that is a bar view, as the editing view is to the bars.
class BarWxView : public wxView, public FakeBarView {
 public:
  using FakeBarView::FakeBarView;
  void OnDraw(wxDC*) override {}
};

class PlainWxView : public wxView {
 public:
  void OnDraw(wxDC*) override {}
};

std::vector<std::string> TreeLines(const wxTreeCtrl& tree, const wxTreeItemId& item, int depth) {
  std::vector<std::string> lines;
  wxTreeItemIdValue cookie;
  for (wxTreeItemId child = tree.GetFirstChild(item, cookie); child.IsOk();
       child = tree.GetNextChild(item, cookie)) {
    lines.push_back(std::string(2 * depth, ' ') + tree.GetItemText(child).utf8_string());
    for (const std::string& line : TreeLines(tree, child, depth + 1)) lines.push_back(line);
  }
  return lines;
}

class BarsWxTest : public ::testing::Test {
 protected:
  BarsWxTest() : document(services), view(document) {
    document.LoadProjectFile(std::string(QUOR_SOURCE_DIR) + "/examples/coupled_lines.qlx");
    frame = new wxFrame(nullptr, wxID_ANY, "Bars", wxPoint(0, 0), wxSize(700, 420));
    auto* column = new wxBoxSizer(wxVERTICAL);
    info = new CInfoBar(frame);
    column->Add(info, 0, wxALL, 2);
    projectBar = new CProjectBar(frame, services.frame, wxID_CLOSE);
    column->Add(projectBar, 1, wxALL, 2);
    frame->SetSizer(column);
    layers = new CDlgLayers(frame, services.profile, wxID_CLOSE);
    layers->SetSize(380, 60, 300, 200);
    frame->Show();
    layers->Show();
    PumpEvents();
  }
  ~BarsWxTest() override {
    layers->Destroy();
    frame->Destroy();
    PumpEvents();
  }

  // As the main frame relays a hint, with the payload the child frame sends.
  void Broadcast(const Hint& hint) {
    layers->OnHint(hint);
    projectBar->GetTree().OnHint(hint);
    info->OnHint(hint);
  }

  FakeServices services;
  FakeProjectDocument document;
  BarWxView view;
  wxFrame* frame = nullptr;
  CInfoBar* info = nullptr;
  CProjectBar* projectBar = nullptr;
  CDlgLayers* layers = nullptr;
};

TEST_F(BarsWxTest, ASampleProjectInEveryBarFollowingTheActiveLayer) {
  const CStructure& model = document.GetModel();
  ASSERT_GE(model.GetLayerCount(), 2);
  const CLayer& top = *model.GetLayers().back();
  view.activeZ = top.GetZ();
  Broadcast(ActivatedViewHint(&view));

  // Layers window: one row per layer, named, with its own colour swatch.
  wxListCtrl& list = layers->GetList();
  ASSERT_EQ(list.GetItemCount(), model.GetLayerCount());
  int row = 0;
  for (const auto& layer : model.GetLayers()) {
    EXPECT_EQ(list.GetItemText(row, 3).utf8_string(), layer->GetName());
    ++row;
  }
  EXPECT_EQ(layers->FirstSelectedRow(), model.GetLayerCount() - 1);

  // Project tree: layers with their polygons, then the vias.
  wxTreeCtrl& tree = projectBar->GetTree().GetTree();
  tree.ExpandAll();
  const std::vector<std::string> lines = TreeLines(tree, tree.GetRootItem(), 0);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front(), "Layers");
  EXPECT_NE(std::find(lines.begin(), lines.end(), "  " + top.GetName()), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "Vias"), lines.end());
  const bool hasPolygon = std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
    return line.find("Polygon") != std::string::npos;
  });
  EXPECT_TRUE(hasPolygon);

  // Info bar: the active layer is selected; it follows a change of it.
  LayerComboBox& combo = info->GetLayerList();
  ASSERT_EQ(static_cast<int>(combo.GetCount()), model.GetLayerCount());
  EXPECT_EQ(combo.LayerAt(combo.GetSelection()), &top);
  const double bottomZ = model.GetLayers().front()->GetZ();
  view.activeZ = bottomZ;
  Broadcast(Hint::ActiveLayer(bottomZ));
  EXPECT_EQ(combo.LayerAt(combo.GetSelection()), model.GetLayers().front().get());
  EXPECT_EQ(layers->FirstSelectedRow(), 0);
  info->SetCoordinates(12.5, -3);
  EXPECT_TRUE(PumpUntilScreenSettles(wxRect(0, 0, 700, 420)));

  const std::string shot = std::string(QUOR_BIN_DIR) + "/../bars-screenshot.png";
  EXPECT_TRUE(SaveScreenArea(wxRect(0, 0, 700, 420), shot));

  Broadcast(UpdateHint::HintViewDeactivated);
  EXPECT_EQ(list.GetItemCount(), 0);
  EXPECT_EQ(combo.GetCount(), 0u);
  EXPECT_EQ(tree.GetChildrenCount(tree.GetRootItem()), 0u);
}

TEST_F(BarsWxTest, TheLayersWindowReopensWhereItWasAndTheInfoBarSetsTheActiveLayer) {
  layers->SetSize(420, 90, 260, 180);
  PumpEvents();
  const wxRect before = layers->GetRect();
  layers->Destroy();
  PumpEvents();
  layers = new CDlgLayers(frame, services.profile, wxID_CLOSE);
  EXPECT_EQ(layers->GetRect(), before);

  view.activeZ = document.GetModel().GetLayers().front()->GetZ();
  Broadcast(ActivatedViewHint(&view));
  LayerComboBox& combo = info->GetLayerList();
  const CLayer& top = *document.GetModel().GetLayers().back();
  combo.SetSelection(static_cast<int>(combo.GetCount()) - 1);
  wxCommandEvent picked(wxEVT_COMBOBOX, combo.GetId());
  picked.SetInt(combo.GetSelection());
  picked.SetEventObject(&combo);
  combo.GetEventHandler()->ProcessEvent(picked);
  EXPECT_EQ(view.activeLayerCalls, std::vector<double>{top.GetZ()});
}

TEST_F(BarsWxTest, AStoredLayersWindowBeyondIntIsFittedToTheScreen) {
  layers->Destroy();
  PumpEvents();
  // As a damaged profile has them: the width from these overflowed int.
  services.profile.WriteProfileInt("Settings", "LayersDlgLeft", INT32_MIN);
  services.profile.WriteProfileInt("Settings", "LayersDlgTop", 10);
  services.profile.WriteProfileInt("Settings", "LayersDlgRight", 200);
  services.profile.WriteProfileInt("Settings", "LayersDlgBottom", 310);
  layers = new CDlgLayers(frame, services.profile, wxID_CLOSE);
  const wxRect screen = wxGetClientDisplayRect();
  EXPECT_TRUE(screen.Contains(layers->GetRect())) << layers->GetRect().x << " " << layers->GetRect().width;
  EXPECT_EQ(layers->GetRect().height, 300);
}

wxPoint Centre(const wxTreeCtrl& tree, const wxTreeItemId& item) {
  wxRect rect;
  tree.GetBoundingRect(item, rect, true);
  return rect.GetPosition() + rect.GetSize() / 2;
}

wxTreeItemId FindText(const wxTreeCtrl& tree, const wxTreeItemId& parent, const std::string& text) {
  wxTreeItemIdValue cookie;
  for (wxTreeItemId child = tree.GetFirstChild(parent, cookie); child.IsOk();
       child = tree.GetNextChild(parent, cookie)) {
    if (tree.GetItemText(child).utf8_string() == text) return child;
    if (const wxTreeItemId found = FindText(tree, child, text); found.IsOk()) return found;
  }
  return wxTreeItemId();
}

TEST_F(BarsWxTest, DraggingAPolygonOntoAnotherLayerMovesIt) {
  services.log.inspect = [this](const HintRecord& record) {
    if (record.to == HintRecord::To::Frame) Broadcast(record.sent);
  };
  Broadcast(ActivatedViewHint(&view));
  wxTreeCtrl& tree = projectBar->GetTree().GetTree();
  tree.ExpandAll();
  PumpEvents();
  const CLayer& bottom = *document.GetModel().GetLayers().front();
  const CLayer& top = *document.GetModel().GetLayers().back();
  const std::string dragged = "Polygon " + std::to_string(top.GetShapes().front()->id);
  const wxTreeItemId item = FindText(tree, tree.GetRootItem(), dragged);
  ASSERT_TRUE(item.IsOk());
  const int topCount = top.GetShapeCount();

  wxTreeEvent begin(wxEVT_TREE_BEGIN_DRAG, &tree, item);
  begin.SetPoint(Centre(tree, item));
  tree.GetEventHandler()->ProcessEvent(begin);
  const auto mouse = [&tree](wxEventType type, const wxPoint& at) {
    wxMouseEvent event(type);
    event.SetPosition(at);
    event.SetEventObject(&tree);
    tree.GetEventHandler()->ProcessEvent(event);
  };
  // Over its own layer: no target, the "no" cursor.
  mouse(wxEVT_MOTION, Centre(tree, FindText(tree, tree.GetRootItem(), top.GetName())));
  EXPECT_TRUE(tree.GetCursor().IsOk());
  // Over the other layer: highlighted; the drop moves the polygon there.
  const wxTreeItemId target = FindText(tree, tree.GetRootItem(), bottom.GetName());
  mouse(wxEVT_MOTION, Centre(tree, target));
  EXPECT_FALSE(tree.GetCursor().IsOk());
  mouse(wxEVT_LEFT_UP, Centre(tree, target));
  EXPECT_EQ(top.GetShapeCount(), topCount - 1);
  EXPECT_EQ(tree.GetItemParent(FindText(tree, tree.GetRootItem(), dragged)), target);
  EXPECT_FALSE(tree.HasCapture());
}

TEST_F(BarsWxTest, OnlyAViewThatIsABarViewReachesTheBars) {
  PlainWxView plain;
  EXPECT_EQ(ActivatedViewHint(&plain).View(), nullptr);
  Broadcast(ActivatedViewHint(&plain));
  EXPECT_EQ(info->GetLogic().GetView(), nullptr);
  const Hint activated = ActivatedViewHint(&view);
  EXPECT_EQ(activated.Code(), UpdateHint::HintViewActivated);
  EXPECT_EQ(activated.View(), static_cast<EditingView*>(&view));
  Broadcast(activated);
  EXPECT_EQ(info->GetLogic().GetView(), static_cast<BarView*>(&view));
}

}  // namespace
}  // namespace quor::test
