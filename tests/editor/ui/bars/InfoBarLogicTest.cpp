#include "editor/ui/bars/InfoBarLogic.h"

#include "BarFixture.h"

namespace quor::test {
namespace {

class InfoBarTest : public BarFixture {
 protected:
  InfoBarTest() { Connect(bar); }

  void Activate(FakeBarView& active) { bar.OnHint(Hint::ViewActivated(&active)); }
  CLayer* Selected() const { return list.selected < 0 ? nullptr : list.entries.at(list.selected); }

  FakeInfoBarControls list;
  InfoBarLogic bar{list};
};

TEST_F(InfoBarTest, CoordinatesHaveTwoDecimalsWhateverTheirSign) {
  bar.SetCoordinates(12.5, -3.0);
  EXPECT_EQ(list.x, "12.50");
  EXPECT_EQ(list.y, "-3.00");
  bar.SetCoordinates(0.004, -0.006);
  EXPECT_EQ(list.x, "0.00");
  EXPECT_EQ(list.y, "-0.01");
}

TEST_F(InfoBarTest, EntryTextIsNameHeightAndUnit) {
  CLayer& layer = AddLayer("Top", 4.2, document->FromDisplayUnits(1.25));
  Activate(view);
  EXPECT_EQ(bar.ItemText(layer), std::string("Top - 1.25 ") + document->GetUnitName());
}

TEST_F(InfoBarTest, FollowsTheHintsInOrder) {
  // No project: nothing listed.
  EXPECT_TRUE(list.entries.empty());
  Activate(view);
  ASSERT_EQ(list.entries.size(), 1u);
  EXPECT_EQ(Selected(), &LayerAt(0));

  // A new layer is listed and selected at its height.
  CLayer& second = AddLayer("Second", 2, 500);
  ASSERT_EQ(list.entries.size(), 2u);
  EXPECT_EQ(Selected(), &second);

  // The view's active layer changes: the list follows, without setting it back.
  view.activeLayerCalls.clear();
  const double zero = 0.0;
  bar.OnHint(Hint::ActiveLayer(zero));
  EXPECT_EQ(Selected(), &LayerAt(0));
  EXPECT_TRUE(view.activeLayerCalls.empty());

  // A colour change only redraws.
  document->SetLayerColor(500, 0x123456);
  EXPECT_EQ(list.redraws, 1);
  EXPECT_EQ(list.entries.size(), 2u);

  // Undo takes the new layer away while the view still has it active: the
  // list falls back to the layer at 0.
  view.activeZ = 500;
  document->Undo();
  ASSERT_EQ(list.entries.size(), 1u);
  EXPECT_EQ(Selected(), &LayerAt(0));

  bar.OnHint(UpdateHint::HintViewDeactivated);
  EXPECT_TRUE(list.entries.empty());
  EXPECT_EQ(bar.GetView(), nullptr);
}

TEST_F(InfoBarTest, PickingALayerMakesItActiveInTheView) {
  AddLayer("Second", 2, 500);
  Activate(view);
  view.activeLayerCalls.clear();
  bar.OnSelChangeLayer(&LayerAt(500));
  bar.OnSelChangeLayer(nullptr);
  EXPECT_EQ(view.activeLayerCalls, std::vector<double>{500});
}

TEST_F(InfoBarTest, EachProjectShowsItsOwnLayers) {
  FakeServices otherServices;
  auto other = NewProject(otherServices);
  FakeBarView otherView(*other);
  AddLayer("Second", 2, 500);
  view.activeZ = 500;

  Activate(view);
  EXPECT_EQ(list.entries.size(), 2u);
  EXPECT_EQ(Selected(), &LayerAt(500));
  bar.OnHint(UpdateHint::HintViewDeactivated);
  Activate(otherView);
  ASSERT_EQ(list.entries.size(), 1u);
  EXPECT_EQ(Selected(), &other->GetModel().FindLayerByZ(0));
}

}  // namespace
}  // namespace quor::test
