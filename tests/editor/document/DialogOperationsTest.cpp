// The document's operations that ask in a dialog first: what they take from
// the dialog, what they change and what they leave alone.
#include <gtest/gtest.h>

#include "DocumentBuilders.h"
#include "editor/model/CStructure.h"

namespace quor::test {
namespace {

using To = HintRecord::To;

class DialogOperationsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    document = NewProject(services);
    services.hints.clear();
  }

  CStructure& Model() { return document->GetModel(); }

  FakeServices services;
  std::unique_ptr<FakeProjectDocument> document;
  RecordingEditingView view;
};

TEST_F(DialogOperationsTest, NewLayerTakesTheHeightInTheDialogsUnitAndActivatesIt) {
  document->NewLayer(view);  // cancelled: nothing changes
  EXPECT_EQ(document->UndoCount(), 0u);
  services.dialogs.layer = [](LayerDialogValues& values) {
    EXPECT_TRUE(values.newLayer);
    EXPECT_EQ(values.name, "Layer 1");
    EXPECT_EQ(values.unitIndex, 3);
    values.height = 2.0;
    values.unitIndex = 0;  // mm
    values.er = 4.5;
    return true;
  };
  document->NewLayer(view);
  ASSERT_TRUE(Model().HasLayerAtZ(200.0));
  EXPECT_EQ(Model().FindLayerByZ(200.0).GetName(), "Layer 1");
  EXPECT_EQ(view.activeZ, 200.0);
  EXPECT_EQ(Deliveries(services.hints),
            (std::vector<std::pair<To, UpdateHint>>{{To::Views, UpdateHint::HintNewLayer},
                                                    {To::Frame, UpdateHint::HintNewLayer}}));
  EXPECT_EQ(document->UndoCount(), 1u);
}

TEST_F(DialogOperationsTest, ANameOnlyEditKeepsTheHeightBitForBit) {
  // One internal unit shown in mil does not convert back to exactly 1.0.
  const double z = 1.0;
  ASSERT_NE(document->FromDisplayUnits(document->ToDisplayUnits(z)), z);
  Model().AddLayer(CDielectric(2.0, z), "inner", true, false);
  services.dialogs.layer = [](LayerDialogValues& values) {
    values.name = "renamed";
    return true;
  };
  document->EditLayerProperties(z);
  ASSERT_TRUE(Model().HasLayerAtZ(z));
  EXPECT_EQ(Model().FindLayerByZ(z).GetName(), "renamed");
  EXPECT_TRUE(services.messages.shown.empty());
  EXPECT_EQ(services.hints.back().hint, UpdateHint::HintLayerProperties);
}

TEST_F(DialogOperationsTest, AHeightChangeReportsTheViasThatUseTheLayer) {
  CLayer& layer = Model().AddLayer(CDielectric(2.0, 254.0), std::nullopt, true, false);
  CLayer& ground = Model().FindLayerByZ(0.0);
  document->AddObjectCopy(CVia(1.0, 10.0, 10.0, &layer, &ground, true));
  document->AddObjectCopy(CVia(1.0, 30.0, 10.0, &layer, &ground, true));
  services.dialogs.layer = [](LayerDialogValues& values) {
    values.height = 200.0;  // mil
    return true;
  };
  document->EditLayerProperties(254.0);
  EXPECT_TRUE(Model().HasLayerAtZ(508.0));
  EXPECT_EQ(services.messages.shown, std::vector<std::string>{"Number of vias affected: 2"});
}

TEST_F(DialogOperationsTest, ShrinkingTheFootprintPastAPolygonSelectsItAndKeepsTheFootprint) {
  CConductorPolygon& polygon = document->AddObjectCopyAt(0.0, Square(2000, 2000, 100, 0.0));
  services.hints.clear();
  services.dialogs.project = [](ProjectDialogValues& values) {
    EXPECT_FALSE(values.newProject);
    EXPECT_EQ(values.unitName, "mil");
    values.length = 500.0;
    return true;
  };
  document->EditFootprint(view);
  EXPECT_EQ(view.selection, std::vector<CShape*>{&polygon});
  EXPECT_EQ(services.messages.shown, std::vector<std::string>{"Error: Object out of footprint"});
  double length = 0.0;
  double width = 0.0;
  document->GetFootprintSize(length, width);
  EXPECT_EQ(length, 2540.0);
  EXPECT_TRUE(services.hints.empty());
}

}  // namespace
}  // namespace quor::test
