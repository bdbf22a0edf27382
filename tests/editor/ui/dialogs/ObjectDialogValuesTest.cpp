// The object dialogs' values without a window: what their edits show, what OK
// reads back and the order and texts of its checks, the record new vias start
// from, the layer lists' text and the Metallization pictures.
#include <gtest/gtest.h>

#include "editor/model/CStructure.h"
#include "editor/ui/PixelArt.h"
#include "editor/ui/dialogs/ConductorIndexValue.h"
#include "editor/ui/dialogs/LayerComboText.h"
#include "editor/ui/dialogs/LayerPropertiesValues.h"
#include "editor/ui/dialogs/MetallizationArt.h"
#include "editor/ui/dialogs/NewViaDefaults.h"
#include "editor/ui/dialogs/ProjectValues.h"
#include "editor/ui/dialogs/ViaValues.h"

namespace quor {
namespace {

TEST(ObjectDialogValuesTest, LayerHeightAndPermittivityChecks) {
  LayerDialogValues values{true, "Layer 1", 4.5, 10.0, 3, true, false};
  const LayerDialogTexts shown = ShowLayerValues(values);
  EXPECT_EQ(shown.height.text, "10");
  EXPECT_EQ(shown.er.text, "4.5");

  auto accept = [&values](const char* height, const char* er) {
    return AcceptLayerValues(values, {{height, true}, {er, true}});
  };
  const auto negative = accept("-1", "0");
  ASSERT_TRUE(negative);
  EXPECT_EQ(negative->controlId, layer_dialog::kHeightEdit);
  EXPECT_EQ(negative->text, "Please enter number greater than zero");
  EXPECT_EQ(accept("0", "0")->controlId, layer_dialog::kErEdit);
  EXPECT_EQ(accept("1", "x")->text, "Please enter a number.");
  EXPECT_FALSE(accept("0", "1"));
  EXPECT_EQ(values.height, 0.0);
}

TEST(ObjectDialogValuesTest, OnlyTheBottomLayerInEditModeLocksItsDielectric) {
  EXPECT_TRUE(IsBottomLayer({false, "Layer 0", 1.0, 0.0, 3, true, false}));
  EXPECT_FALSE(IsBottomLayer({false, "Layer 1", 1.0, 5.0, 3, true, false}));
  EXPECT_FALSE(IsBottomLayer({true, "Layer 2", 1.0, 0.0, 3, true, false}));
}

TEST(ObjectDialogValuesTest, ProjectPropertiesWithoutEditingReturnsTheValuesPassedIn) {
  const double length = 1000.0 / 2.54 * 1.0001;
  ProjectDialogValues values{false, length, 393.7, "mil"};
  ProjectDialogTexts texts = ShowProjectValues(values);
  EXPECT_EQ(texts.length.text, "393.74");
  EXPECT_FALSE(AcceptProjectValues(values, texts));
  EXPECT_EQ(values.length, length);
  EXPECT_EQ(values.width, 393.7);

  texts.length = {"0", true};
  texts.width = {"-2", true};
  EXPECT_EQ(AcceptProjectValues(values, texts)->controlId, project_dialog::kLengthEdit);
  texts.length = {"12", true};
  const auto failure = AcceptProjectValues(values, texts);
  EXPECT_EQ(failure->controlId, project_dialog::kWidthEdit);
  EXPECT_EQ(failure->text, "Please enter number greater than zero");
  EXPECT_EQ(values.length, 12.0);
}

TEST(ObjectDialogValuesTest, ConductorIndexRefusesOnlyNegativeNumbers) {
  int index = 9;
  const auto failure = AcceptConductorIndex("-1", index);
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->text, "Please enter a positive integer");
  EXPECT_EQ(failure->controlId, conductor_index_dialog::kIndexEdit);
  EXPECT_EQ(index, 9);
  EXPECT_FALSE(AcceptConductorIndex("abc", index));
  EXPECT_EQ(index, 0);
  EXPECT_FALSE(AcceptConductorIndex("12", index));
  EXPECT_EQ(index, 12);
}

class ViaValuesTest : public ::testing::Test {
 protected:
  ViaValuesTest() {
    bottom = &structure.AddLayer(CDielectric(1.0, 0.0), std::nullopt, true, false);
    top = &structure.AddLayer(CDielectric(4.0, 254.0), "Top", true, false);
    values.structure = &structure;
    values.unitName = "mil";
  }

  std::optional<CheckFailure> Accept(const char* radius) {
    ViaDialogTexts texts{{"0", false}, {"0", false}, {radius, true}};
    return AcceptViaValues(values, texts);
  }

  CStructure structure;
  CLayer* bottom = nullptr;
  CLayer* top = nullptr;
  ViaDialogValues values;
};

TEST_F(ViaValuesTest, ChecksRunInOrderRadiusChosenDistinctAndTopAbove) {
  values.top = nullptr;
  values.bottom = bottom;
  const auto radius = Accept("0");
  EXPECT_EQ(radius->controlId, via_dialog::kRadiusEdit);
  EXPECT_EQ(radius->text, "Please enter number greater than zero");
  EXPECT_EQ(Accept("2")->text, "Please select top and bottom layer");
  values.top = bottom;
  EXPECT_EQ(Accept("2")->text, "Error: top and bottom layers coincide");
  values.top = bottom;
  values.bottom = top;
  const auto lower = Accept("2");
  EXPECT_EQ(lower->text, "Error: top layer is lower than bottom layer");
  EXPECT_EQ(lower->controlId, via_dialog::kTopLayerCombo);
  values.top = top;
  values.bottom = bottom;
  EXPECT_FALSE(Accept("2"));
  EXPECT_EQ(values.radius, 2.0);
}

TEST_F(ViaValuesTest, CoordinatesKeepTheirValueUnlessEdited) {
  values.x = 1.0 / 3.0;
  values.y = -7.25;
  values.radius = 1.0;
  values.top = top;
  values.bottom = bottom;
  ViaDialogTexts texts = ShowViaValues(values);
  EXPECT_EQ(texts.x.text, "0.33333");
  EXPECT_EQ(texts.y.text, "-7.25");
  texts.y = {"4 mil", true};
  EXPECT_FALSE(AcceptViaValues(values, texts));
  EXPECT_EQ(values.x, 1.0 / 3.0);
  EXPECT_EQ(values.y, 4.0);
}

TEST_F(ViaValuesTest, ANewViaStartsLikeThePreviousOneAndForgetsLayersThatAreGone) {
  NewViaDefaults defaults;
  ViaDialogValues first = values;
  StartFromDefaults(defaults, first);
  EXPECT_EQ(first.radius, 1.0);
  EXPECT_FALSE(first.solid);
  EXPECT_EQ(first.top, nullptr);

  first.radius = 3.5;
  first.solid = true;
  first.top = top;
  first.bottom = bottom;
  RememberDefaults(defaults, first);
  ViaDialogValues second = values;
  StartFromDefaults(defaults, second);
  EXPECT_EQ(second.radius, 3.5);
  EXPECT_TRUE(second.solid);
  EXPECT_EQ(second.top, top);
  EXPECT_EQ(second.bottom, bottom);

  structure.RemoveLayerAtZ(254.0);
  ViaDialogValues third = values;
  StartFromDefaults(defaults, third);
  EXPECT_EQ(third.top, nullptr);
  EXPECT_EQ(third.bottom, bottom);
}

TEST_F(ViaValuesTest, LayerListTextShowsNameHeightAndUnit) {
  EXPECT_EQ(LayerComboText(*top, "mil"), "Top - 100 mil");
  EXPECT_EQ(LayerComboText(*top, "mm"), "Top - 2.54 mm");
  EXPECT_EQ(LayerComboText(*bottom, "inch"), bottom->GetName() + " - 0 inch");
}

TEST(ObjectDialogValuesTest, TheFourSideIconsAreValidPictures) {
  for (const int icon : {kIconTopSide, kIconLeftSide, kIconRightSide, kIconBottomSide}) {
    EXPECT_TRUE(IsValidPixelArt(FindMetallizationArt(icon), kMetallizationIconSize, kMetallizationIconSize))
        << icon;
  }
  EXPECT_TRUE(FindMetallizationArt(218).empty());
}

}  // namespace
}  // namespace quor
