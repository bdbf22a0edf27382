// Objects that leave the model with another one (the vias of a deleted
// layer, what Undo and Redo take away) leave every window as if the user had
// removed them: driven through the project tree, the keys and the menus.
#include <gtest/gtest.h>
#include <wx/listctrl.h>
#include <wx/treectrl.h>
#include <wx/uiaction.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "ViewFixture.h"
#include "dialogs/ModalScript.h"
#include "editor/document/CCrtanjeDoc.h"
#include "editor/model/CStructure.h"
#include "editor/model/CVia.h"
#include "editor/ui/CCrtanjeView.h"
#include "editor/ui/CMainFrame.h"
#include "editor/ui/CommandIds.h"
#include "editor/ui/bars/CDlgLayers.h"
#include "editor/ui/bars/CDlgProjectTree.h"
#include "editor/ui/bars/CInfoBar.h"
#include "editor/ui/bars/CProjectBar.h"
#include "editor/ui/bars/LayerComboBox.h"
#include "editor/ui/view/ViewCore.h"
#include "support/WxTestPump.h"

namespace quor::test {
namespace {

using Lines = std::vector<std::string>;

void AddTreeLines(const wxTreeCtrl& tree, const wxTreeItemId& parent, const std::string& indent,
                  Lines& lines) {
  wxTreeItemIdValue cookie;
  for (wxTreeItemId child = tree.GetFirstChild(parent, cookie); child.IsOk();
       child = tree.GetNextChild(parent, cookie)) {
    lines.push_back(indent + tree.GetItemText(child).utf8_string());
    AddTreeLines(tree, child, indent + "  ", lines);
  }
}

class RemovedObjectsWxTest : public ViewFixture {
 protected:
  void SetUp() override {
    ViewFixture::SetUp();
    view = OpenCopy(QUOR_SOURCE_DIR "/examples/coupled_lines.qlx");
    ASSERT_NE(view, nullptr);
    ASSERT_NE(frame->GetProjectBar(), nullptr);
    ASSERT_NE(frame->GetLayersWindow(), nullptr);
    tree = &frame->GetProjectBar()->GetTree().GetTree();
    frame->Raise();
  }

  CStructure& Model() const { return Document(*view).GetModel(); }

  Lines TreeLines() const {
    Lines lines;
    AddTreeLines(*tree, tree->GetRootItem(), "", lines);
    return lines;
  }
  // The tree as the model says it must be.
  Lines ModelLines() const {
    Lines lines{"Layers"};
    for (const auto& layer : Model().GetLayers()) {
      lines.push_back("  " + layer->GetName());
      for (const auto& polygon : layer->GetShapes())
        lines.push_back("    Polygon " + std::to_string(polygon->id));
    }
    lines.push_back("Vias");
    for (const auto& via : Model().GetVias()) lines.push_back("  Via " + std::to_string(via->id));
    return lines;
  }
  // The tree, the Layers window and the info bar's layer list show the model
  // and nothing else.
  void ExpectWindowsShowTheModel() const {
    tree->ExpandAll();
    EXPECT_EQ(TreeLines(), ModelLines());
    std::vector<const CLayer*> layers;
    for (const auto& layer : Model().GetLayers()) layers.push_back(layer.get());
    CDlgLayers& window = *frame->GetLayersWindow();
    LayerComboBox& combo = frame->GetInfoBar()->GetLayerList();
    ASSERT_EQ(window.GetList().GetItemCount(), static_cast<int>(layers.size()));
    ASSERT_EQ(static_cast<int>(combo.GetCount()), static_cast<int>(layers.size()));
    for (std::size_t i = 0; i < layers.size(); ++i) {
      EXPECT_EQ(window.RowLayer(static_cast<int>(i)), layers[i]);
      EXPECT_EQ(combo.LayerAt(static_cast<int>(i)), layers[i]);
    }
  }

  // Clicks the tree's item of that text.
  bool Choose(const std::string& text) {
    tree->ExpandAll();
    PumpEvents();
    const wxTreeItemId item = FindTreeItem(*tree, tree->GetRootItem(), text);
    wxRect rect;
    return item.IsOk() && tree->GetBoundingRect(item, rect, true) &&
           ClickUntil(*tree, rect.GetPosition() + rect.GetSize() / 2,
                      [&] { return tree->GetSelection() == item && wxWindow::FindFocus() == tree; });
  }
  // Del in the tree, held while the press is handled, as a hand does it.
  bool PressDelete(const std::function<bool()>& done) {
    wxUIActionSimulator input;
    input.KeyDown(WXK_DELETE);
    const bool handled = PumpUntil(done);
    input.KeyUp(WXK_DELETE);
    PumpEvents();
    return handled;
  }

  CCrtanjeView* view = nullptr;
  wxTreeCtrl* tree = nullptr;
  ModalScript script;
};

TEST_F(RemovedObjectsWxTest, ViasDeletedWithTheirLayerLeaveTheTreeAndTheSelection) {
  const auto& vias = Model().GetVias();
  ASSERT_TRUE(std::any_of(vias.begin(), vias.end(), [](const auto& via) {
    return via->GetTopLayer()->GetName() == "FR-4" || via->GetBottomLayer()->GetName() == "FR-4";
  })) << "the sample has a via through FR-4";
  const int layers = Model().GetLayerCount();
  ASSERT_TRUE(Choose("FR-4"));
  script.ThenAnswer(wxID_YES);
  ASSERT_TRUE(PressDelete([&] { return Model().GetLayerCount() == layers - 1; }));
  EXPECT_EQ(script.texts, Lines{"Do you realy want to delete selected layer?"});
  ExpectWindowsShowTheModel();

  // Whatever the tree still lists can be chosen and deleted by hand.
  const Lines left = TreeLines();
  const auto object = std::find_if(left.rbegin(), left.rend(), [](const std::string& line) {
    return line.find("Via ") != std::string::npos || line.find("Polygon ") != std::string::npos;
  });
  ASSERT_NE(object, left.rend());
  const std::string chosen = object->substr(object->find_first_not_of(' '));
  ASSERT_TRUE(Choose(chosen));
  ASSERT_EQ(view->GetCore()->GetSelection().GetCount(), 1);
  const std::size_t before = ModelLines().size();
  ASSERT_TRUE(PressDelete([&] { return ModelLines().size() == before - 1; }));
  EXPECT_FALSE(FindTreeItem(*tree, tree->GetRootItem(), chosen).IsOk());
  ExpectWindowsShowTheModel();

  // Undo brings the layer and its vias back, Redo takes them away again.
  Command(cmd::kEditUndo);
  Command(cmd::kEditUndo);
  PumpEvents();
  EXPECT_EQ(Model().GetLayerCount(), layers);
  ExpectWindowsShowTheModel();
  Command(cmd::kEditRedo);
  PumpEvents();
  EXPECT_EQ(Model().GetLayerCount(), layers - 1);
  ExpectWindowsShowTheModel();
}

}  // namespace
}  // namespace quor::test
