#include "editor/ui/bars/LayersWindowLogic.h"

#include <initializer_list>

#include "BarFixture.h"
#include "editor/model/NumberFormat.h"
#include "editor/ui/CommandIds.h"
#include "editor/ui/bars/InfoBarLogic.h"
#include "platform/error/TextError.h"

namespace quor::test {
namespace {

using Logic = LayersWindowLogic;

class LayersWindowTest : public BarFixture {
 protected:
  LayersWindowTest() {
    AddLayer("Middle", 3.5, 500);
    AddLayer("Top", 1, 1000);
    view.activeZ = 500;
    Connect(window);
    window.OnHint(Hint::ViewActivated(&view));
  }

  std::vector<UpdateHint> FrameHints() const {
    std::vector<UpdateHint> hints;
    for (const auto& [to, hint] : Deliveries(services.hints)) {
      if (to == HintRecord::To::Frame) hints.push_back(hint);
    }
    return hints;
  }

  FakeLayersControls list;
  LayersWindowLogic window{list, prompts};
};

TEST_F(LayersWindowTest, OneRowPerLayerWithItsCells) {
  ASSERT_EQ(list.rows.size(), 3u);
  const auto& middle = list.rows[1];
  EXPECT_EQ(middle.layer, &LayerAt(500));
  EXPECT_EQ(middle.images[Logic::kVisibleColumn], Logic::kVisibleImage);
  EXPECT_EQ(middle.images[Logic::kLockedColumn], Logic::kUnlockedImage);
  EXPECT_EQ(middle.texts[Logic::kNameColumn], "Middle");
  EXPECT_EQ(middle.texts[4], "3.5");
  EXPECT_EQ(middle.texts[5], FormatDouble(document->ToDisplayUnits(500), 4));
  EXPECT_EQ(list.selected, 1);
}

TEST_F(LayersWindowTest, CellClicksGoThroughTheDocument) {
  services.hints.clear();
  window.OnCellClick(1, Logic::kVisibleColumn);
  EXPECT_FALSE(LayerAt(500).visible);
  EXPECT_EQ(list.rows[1].images[Logic::kVisibleColumn], Logic::kHiddenImage);
  window.OnCellClick(1, Logic::kLockedColumn);
  EXPECT_TRUE(LayerAt(500).locked);
  EXPECT_EQ(list.rows[1].images[Logic::kLockedColumn], Logic::kLockedImage);

  // A cancelled colour dialog changes nothing; OK sets the colour and redraws.
  const COLORREF before = LayerAt(500).colour;
  window.OnCellClick(1, Logic::kColourColumn);
  EXPECT_EQ(list.offeredColour, before);
  EXPECT_TRUE(list.redrawn.empty());
  list.pickedColour = 0x00FF00;
  window.OnCellClick(1, Logic::kColourColumn);
  EXPECT_EQ(LayerAt(500).colour, 0x00FF00u);
  EXPECT_EQ(list.redrawn, std::vector<int>{1});

  EXPECT_EQ(FrameHints(), (std::vector<UpdateHint>{UpdateHint::HintLayerVisible, UpdateHint::HintLayerLocked,
                                                   UpdateHint::HintLayerColor}));
  EXPECT_TRUE(document->modified);
}

TEST_F(LayersWindowTest, DeleteAsksAndShowsTheDocumentsRefusal) {
  list.selected = 0;
  window.Delete();
  EXPECT_EQ(prompts.shown, (std::vector<std::string>{"Do you realy want to delete selected layer?",
                                                     "Layer z=0 cannot be deleted"}));
  EXPECT_EQ(document->GetModel().GetLayerCount(), 3);

  // No is no; Yes deletes, and the list is refilled at the view's layer.
  prompts.shown.clear();
  list.selected = 2;
  prompts.answer = false;
  window.OnDeleteKey();
  EXPECT_EQ(document->GetModel().GetLayerCount(), 3);
  prompts.answer = true;
  window.OnDeleteKey();
  EXPECT_EQ(document->GetModel().GetLayerCount(), 2);
  ASSERT_EQ(list.rows.size(), 2u);
  EXPECT_EQ(list.selected, 1);
}

TEST_F(LayersWindowTest, DeleteWithoutASelectedRowDoesNothing) {
  list.selected = LayersWindowControls::kNoRow;
  window.Delete();
  window.Properties();
  EXPECT_TRUE(prompts.shown.empty());
  EXPECT_TRUE(list.enabled.empty());
}

TEST_F(LayersWindowTest, PropertiesAndNewLayerDisableTheWindowMeanwhile) {
  list.selected = 1;
  services.dialogs.layer = [](LayerDialogValues& values) {
    values.name = "Renamed";
    return true;
  };
  window.OnDoubleClick(1, Logic::kNameColumn);
  EXPECT_EQ(LayerAt(500).GetName(), "Renamed");
  EXPECT_EQ(list.rows[1].texts[Logic::kNameColumn], "Renamed");
  // A double click on the icons is no Properties.
  window.OnDoubleClick(1, Logic::kColourColumn);
  EXPECT_EQ(list.enabled, (std::vector<bool>{false, true}));

  window.OnNewLayerKey();
  EXPECT_EQ(view.commands, std::vector<int>{cmd::kProjectNewLayer});
  EXPECT_EQ(list.enabled, (std::vector<bool>{false, true, false, true}));
}

TEST_F(LayersWindowTest, OnlyTheMouseSelectsAndAnActiveLayerChangeIsNotSentBack) {
  EXPECT_FALSE(window.AllowSelect(false));
  EXPECT_TRUE(window.AllowSelect(true));
  window.OnRowSelected(2);
  EXPECT_EQ(view.activeZ, 1000);

  // The view's active layer changed elsewhere: the row follows, quietly.
  view.activeZ = 0;
  view.activeLayerCalls.clear();
  const double zero = 0;
  window.OnHint(Hint::ActiveLayer(zero));
  EXPECT_EQ(list.selected, 0);
  EXPECT_TRUE(view.activeLayerCalls.empty());
}

TEST_F(LayersWindowTest, MenusAndHintsWithoutAView) {
  EXPECT_EQ(window.MenuAt(1), Logic::ContextMenu::Layer);
  EXPECT_EQ(window.MenuAt(LayersWindowControls::kNoRow), Logic::ContextMenu::NewLayer);
  window.OnHint(UpdateHint::HintViewDeactivated);
  EXPECT_TRUE(list.rows.empty());
  EXPECT_EQ(window.MenuAt(1), Logic::ContextMenu::None);
  EXPECT_THROW(window.GetDocument(), TextError);
  window.OnHint(UpdateHint::HintSettings);
  window.OnNewLayerKey();
  EXPECT_TRUE(list.rows.empty());
  EXPECT_TRUE(view.commands.empty());
}

// Both layer lists follow hints 16 and 17 through one piece: a view that is
// no bar view attaches neither, and a view that is one fills both at its
// active layer.
TEST_F(LayersWindowTest, BothLayerListsAttachOnlyToABarView) {
  FakeInfoBarControls combo;
  InfoBarLogic info{combo};
  RecordingEditingView plainView;
  for (LayerListBar* bar : std::initializer_list<LayerListBar*>{&window, &info}) {
    bar->OnHint(UpdateHint::HintViewDeactivated);
    bar->OnHint(Hint::ViewActivated(&plainView));
  }
  EXPECT_FALSE(window.HasDocument());
  EXPECT_TRUE(list.rows.empty());
  EXPECT_EQ(info.GetView(), nullptr);
  EXPECT_TRUE(combo.entries.empty());

  view.activeZ = 1000;
  window.OnHint(Hint::ViewActivated(&view));
  info.OnHint(Hint::ViewActivated(&view));
  EXPECT_EQ(list.rows.size(), 3u);
  EXPECT_EQ(list.selected, 2);
  ASSERT_EQ(combo.entries.size(), 3u);
  EXPECT_EQ(combo.entries.at(combo.selected), &LayerAt(1000));

  // A new or changed layer lists both afresh with it selected.
  for (LayerListBar* bar : std::initializer_list<LayerListBar*>{&window, &info}) {
    bar->OnHint(Hint::LayerProperties(LayerAt(500)));
  }
  EXPECT_EQ(list.selected, 1);
  EXPECT_EQ(combo.entries.at(combo.selected), &LayerAt(500));
  for (LayerListBar* bar : std::initializer_list<LayerListBar*>{&window, &info}) {
    bar->OnHint(UpdateHint::HintViewDeactivated);
  }
  EXPECT_TRUE(list.rows.empty());
  EXPECT_TRUE(combo.entries.empty());
  EXPECT_EQ(info.GetView(), nullptr);
}

}  // namespace
}  // namespace quor::test
