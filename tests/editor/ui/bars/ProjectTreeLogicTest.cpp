#include "editor/ui/bars/ProjectTreeLogic.h"

#include "BarFixture.h"
#include "editor/document/ClipboardObject.h"
#include "editor/model/CVia.h"
#include "editor/ui/CommandIds.h"

namespace quor::test {
namespace {

using Lines = std::vector<std::string>;

class ProjectTreeTest : public BarFixture {
 protected:
  ProjectTreeTest() {
    AddLayer("Top", 1, 1000);
    bottomSquare = &AddSquare(0);
    topSquare = &AddSquare(1000);
    Connect(tree);
    tree.OnHint(Hint::ViewActivated(&view));
  }

  CVia& AddVia() { return document->AddObjectCopy(CVia(50, 500, 500, &LayerAt(1000), &LayerAt(0), true)); }
  TreeControl::Item Item(const std::string& text) const { return fake.Find(text); }

  FakeTree fake;
  ProjectTreeLogic tree{fake, services.frame, prompts};
  CConductorPolygon* bottomSquare = nullptr;
  CConductorPolygon* topSquare = nullptr;
};

TEST_F(ProjectTreeTest, ShowsLayersWithTheirPolygonsAndTheVias) {
  EXPECT_EQ(fake.Lines(), (Lines{"Layers", "  Layer 0", "    Polygon 0", "  Top", "    Polygon 1", "Vias"}));
  EXPECT_EQ(tree.KindOf(Item("Layers")), ProjectTreeLogic::Kind::None);
  EXPECT_EQ(tree.KindOf(Item("Top")), ProjectTreeLogic::Kind::Layer);
  EXPECT_EQ(tree.KindOf(Item("Polygon 1")), ProjectTreeLogic::Kind::Polygon);
}

TEST_F(ProjectTreeTest, LayersStayInHeightOrderAndNewItemsAreSelected) {
  AddLayer("Middle", 2, 500);
  AddLayer("Higher", 2, 2000);
  EXPECT_EQ(fake.Lines(), (Lines{"Layers", "  Layer 0", "    Polygon 0", "  Middle", "  Top", "    Polygon 1",
                                 "  Higher", "Vias"}));
  EXPECT_EQ(fake.selection, Item("Higher"));

  AddSquare(500);
  EXPECT_EQ(fake.GetParent(fake.selection), Item("Middle"));
  EXPECT_EQ(fake.Text(fake.selection), "Polygon 2");
  AddVia();
  EXPECT_EQ(fake.Text(fake.selection), "Via 0");
  EXPECT_EQ(fake.GetParent(fake.selection), tree.GetViasRoot());
}

TEST_F(ProjectTreeTest, RemovalsReorderingAndLayerChanges) {
  CVia& via = AddVia();
  document->BringToFront(*bottomSquare);  // already last: stays
  CConductorPolygon& second = AddSquare(0);
  document->SendToBack(second);
  const Lines reordered{"Layers", "  Layer 0",     "    Polygon 2", "    Polygon 0",
                        "  Top",  "    Polygon 1", "Vias",          "  Via 0"};
  EXPECT_EQ(fake.Lines(), reordered);
  EXPECT_EQ(fake.selection, Item("Polygon 2"));
  // The lowest layer's item comes back from its dialog with its polygons in drawing order.
  services.dialogs.layer = [](LayerDialogValues&) { return true; };
  document->EditLayerProperties(0);
  EXPECT_EQ(fake.Lines(), reordered);

  document->DeleteVia(via);
  document->RemoveObjectAt(1000, *topSquare);
  EXPECT_EQ(fake.Lines(), (Lines{"Layers", "  Layer 0", "    Polygon 2", "    Polygon 0", "  Top", "Vias"}));

  document->DeleteObjects({bottomSquare, &second});
  EXPECT_EQ(fake.Lines(), (Lines{"Layers", "  Layer 0", "  Top", "Vias"}));
  EXPECT_EQ(fake.selection, TreeControl::kNoItem);

  document->DeleteLayer(1000);
  EXPECT_EQ(fake.Lines(), (Lines{"Layers", "  Layer 0", "Vias"}));
}

// A via that goes with its layer, by the deletion or by Undo and Redo,
// leaves the tree like one deleted by hand.
TEST_F(ProjectTreeTest, ViasGoingWithTheirLayerLeaveTheTree) {
  AddVia();
  const Lines all{"Layers", "  Layer 0", "    Polygon 0", "  Top", "    Polygon 1", "Vias", "  Via 0"};
  const Lines withoutTop{"Layers", "  Layer 0", "    Polygon 0", "Vias"};
  services.hints.clear();
  document->DeleteLayer(1000);
  EXPECT_EQ(fake.Lines(), withoutTop);
  std::vector<UpdateHint> frameHints;
  for (const HintRecord& record : services.hints) {
    if (record.to == HintRecord::To::Frame) frameHints.push_back(record.hint);
  }
  EXPECT_EQ(frameHints, (std::vector<UpdateHint>{UpdateHint::HintBeforeLayerDelete,
                                                 UpdateHint::HintLayerDeleted, UpdateHint::HintDeleteVia}));
  document->Undo();
  EXPECT_EQ(fake.Lines(), all);
  document->Redo();
  EXPECT_EQ(fake.Lines(), withoutTop);
}

TEST_F(ProjectTreeTest, PastingOneSelectsItPastingSeveralSelectsNothing) {
  std::vector<ClipboardObject> one;
  one.push_back(ClipboardObject::Copy(*bottomSquare));
  document->PasteObjects(std::move(one), 1000);
  EXPECT_EQ(fake.Text(fake.selection), "Polygon 2");
  EXPECT_EQ(fake.GetParent(fake.selection), Item("Top"));

  std::vector<ClipboardObject> two;
  two.push_back(ClipboardObject::Copy(*bottomSquare));
  two.push_back(ClipboardObject::Copy(*topSquare));
  document->PasteObjects(std::move(two), 0);
  EXPECT_EQ(fake.selection, TreeControl::kNoItem);
  EXPECT_EQ(fake.Lines(), (Lines{"Layers", "  Layer 0", "    Polygon 0", "    Polygon 3", "    Polygon 4",
                                 "  Top", "    Polygon 1", "    Polygon 2", "Vias"}));
}

TEST_F(ProjectTreeTest, UndoKeepsTheBranchesAsTheyWere) {
  fake.Expand(tree.GetLayersRoot());
  fake.Collapse(tree.GetViasRoot());
  document->Undo();  // the polygon on "Top"
  EXPECT_EQ(fake.Lines(), (Lines{"Layers", "  Layer 0", "    Polygon 0", "  Top", "Vias"}));
  EXPECT_TRUE(fake.IsExpanded(tree.GetLayersRoot()));
  EXPECT_FALSE(fake.IsExpanded(tree.GetViasRoot()));
}

TEST_F(ProjectTreeTest, SelectionReachesTheView) {
  services.hints.clear();
  tree.OnSelChanged(Item("Polygon 1"));
  EXPECT_EQ(view.selection, std::vector<CShape*>{topSquare});

  tree.OnSelChanged(Item("Top"));
  EXPECT_EQ(view.activeZ, 1000);
  ASSERT_EQ(services.hints.size(), 1u);
  EXPECT_EQ(services.hints[0].hint, UpdateHint::HintActiveLayer);

  // The active layer changes elsewhere: a selected other item is let go.
  fake.selection = Item("Polygon 0");
  const double zero = 0;
  tree.OnHint(Hint::ActiveLayer(zero));
  EXPECT_EQ(fake.selection, TreeControl::kNoItem);

  view.selection = {bottomSquare};
  fake.selection = Item("Polygon 0");
  tree.OnClickEmpty();
  EXPECT_TRUE(view.selection.empty());
  EXPECT_EQ(fake.selection, TreeControl::kNoItem);
}

TEST_F(ProjectTreeTest, ContextMenusAndKeys) {
  EXPECT_EQ(tree.OnRightClick(Item("Polygon 1")), ProjectTreeLogic::ContextMenu::Polygon);
  EXPECT_EQ(fake.selection, Item("Polygon 1"));
  EXPECT_EQ(view.selection, std::vector<CShape*>{topSquare});
  EXPECT_EQ(tree.OnRightClick(Item("Layers")), ProjectTreeLogic::ContextMenu::None);
  EXPECT_EQ(tree.OnRightClick(Item("Top")), ProjectTreeLogic::ContextMenu::Layer);

  tree.ForwardToView(cmd::kArrangeBringToFront);
  fake.selection = Item("Polygon 1");
  tree.OnDeleteKey();
  EXPECT_EQ(view.commands, (std::vector<int>{cmd::kArrangeBringToFront, cmd::kEditDelete}));

  fake.selection = Item("Layer 0");
  tree.OnDeleteKey();
  EXPECT_EQ(prompts.shown, (std::vector<std::string>{"Do you realy want to delete selected layer?",
                                                     "Layer z=0 cannot be deleted"}));
  fake.selection = Item("Top");
  tree.LayerDelete();
  EXPECT_EQ(fake.Lines(), (Lines{"Layers", "  Layer 0", "    Polygon 0", "Vias"}));
}

TEST_F(ProjectTreeTest, DragMovesAPolygonToAnotherLayerOnly) {
  AddVia();
  EXPECT_FALSE(tree.BeginDrag(Item("Via 0")));
  EXPECT_FALSE(tree.BeginDrag(Item("Top")));
  EXPECT_FALSE(tree.IsDragging());

  AddSquare(1000);  // Polygon 2 beside Polygon 1
  ASSERT_TRUE(tree.BeginDrag(Item("Polygon 1")));
  EXPECT_EQ(tree.DropTargetFor(Item("Top")), TreeControl::kNoItem);
  EXPECT_EQ(tree.DropTargetFor(Item("Polygon 2")), TreeControl::kNoItem);
  EXPECT_EQ(tree.DropTargetFor(Item("Via 0")), TreeControl::kNoItem);
  EXPECT_EQ(tree.DropTargetFor(Item("Vias")), TreeControl::kNoItem);
  const TreeControl::Item target = tree.DropTargetFor(Item("Polygon 0"));
  EXPECT_EQ(target, Item("Layer 0"));
  tree.Drop(target);
  EXPECT_FALSE(tree.IsDragging());
  EXPECT_EQ(topSquare->GetZ(), 0);
  EXPECT_EQ(fake.Lines(), (Lines{"Layers", "  Layer 0", "    Polygon 0", "    Polygon 1", "  Top",
                                 "    Polygon 2", "Vias", "  Via 0"}));

  // A drop on its own layer does nothing.
  ASSERT_TRUE(tree.BeginDrag(Item("Polygon 2")));
  tree.Drop(tree.DropTargetFor(Item("Top")));
  EXPECT_EQ(LayerAt(1000).GetShapeCount(), 1);
}

TEST_F(ProjectTreeTest, DeactivationEmptiesTheTree) {
  tree.OnHint(UpdateHint::HintViewDeactivated);
  EXPECT_TRUE(fake.Lines().empty());
  EXPECT_FALSE(tree.HasDocument());
  AddLayer("Ignored", 1, 3000);
  EXPECT_TRUE(fake.Lines().empty());
}

}  // namespace
}  // namespace quor::test
