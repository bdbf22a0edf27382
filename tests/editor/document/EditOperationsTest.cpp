// The document's edit operations: their hints in order, their undo steps and
// their refusals.
#include <gtest/gtest.h>

#include <optional>

#include "DocumentBuilders.h"
#include "editor/model/CStructure.h"
#include "editor/model/ThrownText.h"

namespace quor::test {
namespace {

using To = HintRecord::To;
using H = UpdateHint;

class EditOperationsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    document = NewProject(services);
    Model().AddLayer(CDielectric(4.5, 100.0), std::nullopt, true, false);
  }

  CStructure& Model() { return document->GetModel(); }
  CLayer& Layer(double z) { return Model().FindLayerByZ(z); }

  FakeServices services;
  std::unique_ptr<FakeProjectDocument> document;
};

// Each operation's hints, to the views and then to the main frame, and
// whether it files an undo step.
TEST_F(EditOperationsTest, EachOperationSendsItsHintsInOrder) {
  CConductorPolygon& a = document->AddObjectCopyAt(0.0, Square(0, 0, 10, 0.0));
  CConductorPolygon& b = document->AddObjectCopyAt(0.0, Square(20, 0, 10, 0.0));
  CVia& via = document->AddObjectCopy(CVia(2.0, 5.0, 5.0, &Layer(100.0), &Layer(0.0), true));
  CVia& other = document->AddObjectCopy(CVia(2.0, 50.0, 5.0, &Layer(100.0), &Layer(0.0), true));
  struct Case {
    const char* name;
    std::function<void()> run;
    std::vector<H> hints;
    bool undoStep;
    // The step is filed before the first hint goes out, not after the last.
    bool committedFirst = false;
  };
  const Case cases[] = {
      {"add via", [&] { document->AddObjectCopy(via); }, {H::HintAddObject}, true},
      {"add polygon", [&] { document->AddObjectCopyAt(0.0, a); }, {H::HintAddObjectAt}, true},
      {"bring to front", [&] { document->BringToFront(a); }, {H::HintBringToFront}, true},
      {"send to back", [&] { document->SendToBack(a); }, {H::HintSendToBack}, true},
      {"scale",
       [&] {
         document->ScaleObject({&a}, {0, 0, 0}, {10, 10, 0}, {20, 20, 0});
       },
       {H::HintObjectScaled},
       true,
       true},
      {"move",
       [&] { document->MoveObjectToLayer(a, 100.0); },
       {H::HintRemoveObject, H::HintAddObjectAt},
       false},
      {"visible", [&] { document->SetLayerVisible(100.0, false); }, {H::HintLayerVisible}, false},
      {"locked", [&] { document->SetLayerLocked(100.0, true); }, {H::HintLayerLocked}, false},
      {"colour", [&] { document->SetLayerColor(100.0, Rgb(1, 2, 3)); }, {H::HintLayerColor}, false},
      {"delete via", [&] { document->DeleteVia(other); }, {H::HintDeleteVia}, true},
      {"remove", [&] { document->RemoveObjectAt(0.0, b); }, {H::HintRemoveObject}, true},
      {"delete objects",
       [&] {
         document->DeleteObjects({&a, &via});
       },
       {H::HintDeleteObjects},
       true},
      // The via the first case added goes with its layer, told as if deleted by hand.
      {"delete layer",
       [&] { document->DeleteLayer(100.0); },
       {H::HintBeforeLayerDelete, H::HintLayerDeleted, H::HintDeleteVia},
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    services.hints.clear();
    document->modified = false;
    const std::size_t steps = document->UndoCount();
    std::optional<std::size_t> stepsAtFirstHint;
    services.log.inspect = [&](const HintRecord&) {
      if (!stepsAtFirstHint) stepsAtFirstHint = document->UndoCount();
    };
    c.run();
    services.log.inspect = nullptr;
    std::vector<std::pair<To, H>> expected;
    for (H hint : c.hints) {
      expected.emplace_back(To::Views, hint);
      expected.emplace_back(To::Frame, hint);
    }
    EXPECT_EQ(Deliveries(services.hints), expected);
    EXPECT_TRUE(document->modified);
    EXPECT_EQ(document->UndoCount(), c.undoStep ? std::min<std::size_t>(steps + 1, 20) : steps);
    EXPECT_EQ(stepsAtFirstHint, c.committedFirst ? document->UndoCount() : steps);
  }
  services.hints.clear();
  document->SetModifiedAndUpdate(H::HintSelectionMoved);
  EXPECT_EQ(Deliveries(services.hints), (std::vector<std::pair<To, H>>{{To::Views, H::HintSelectionMoved}}));
}

TEST_F(EditOperationsTest, MovingKeepsTheIdAndAMissingTargetKeepsThePolygon) {
  CConductorPolygon& polygon = document->AddObjectCopyAt(0.0, Square(0, 0, 10, 0.0));
  EXPECT_EQ(ThrownText([&] { document->MoveObjectToLayer(polygon, 55.0); }), "Layer does not exist");
  EXPECT_EQ(Layer(0.0).GetShapeCount(), 1);
  document->MoveObjectToLayer(polygon, 100.0);
  EXPECT_EQ(&Layer(100.0).GetShapeById(polygon.id), &polygon);
  EXPECT_EQ(polygon.GetZ(), 100.0);
}

TEST_F(EditOperationsTest, DeletingALayerTakesItsViasInOneUndoStep) {
  document->AddObjectCopyAt(100.0, Square(0, 0, 10, 100.0));
  document->AddObjectCopyAt(100.0, Square(20, 0, 10, 100.0));
  document->AddObjectCopy(CVia(2.0, 5.0, 5.0, &Layer(100.0), &Layer(0.0), true));
  CLayer* layer = &Layer(100.0);
  // At the first hint the layer and everything on it still exist.
  HintLayerObjects before{};
  int viasAtFirstHint = -1;
  services.log.inspect = [&](const HintRecord& record) {
    if (record.hint != H::HintBeforeLayerDelete) return;
    before = record.sent.LayerObjects();
    viasAtFirstHint = Model().GetViaCount();
  };

  EXPECT_EQ(ThrownText([&] { document->DeleteLayer(0.0); }), "Layer z=0 cannot be deleted");
  EXPECT_EQ(document->UndoCount(), 3u);
  document->DeleteLayer(100.0);
  EXPECT_EQ(before.layer, layer);
  EXPECT_EQ(before.count, 2);
  EXPECT_EQ(viasAtFirstHint, 1);
  ASSERT_GE(services.hints.size(), 3u);
  EXPECT_EQ(services.hints[services.hints.size() - 3].sent.RemovedLayer(), layer);
  EXPECT_EQ(services.hints.back().hint, H::HintDeleteVia);
  EXPECT_EQ(Model().GetViaCount(), 0);

  document->Undo();
  EXPECT_EQ(Layer(100.0).GetShapeCount(), 2);
  ASSERT_EQ(Model().GetViaCount(), 1);
  EXPECT_EQ(Model().GetVias().front()->GetTopLayer(), &Layer(100.0));
}

TEST_F(EditOperationsTest, ARefusedChangeCommitsNothingAndSendsNoHint) {
  EXPECT_EQ(ThrownText([&] { document->AddObjectCopyAt(55.0, Square(0, 0, 1, 55.0)); }),
            "Layer does not exist");
  EXPECT_EQ(document->UndoCount(), 0u);
  EXPECT_TRUE(services.hints.empty());
  EXPECT_FALSE(document->modified);
}

TEST_F(EditOperationsTest, PastedPolygonsTakeTheLayerHeightAndPastedViasTheirLayersByHeight) {
  // The clipboard outlives the project it was copied from.
  std::vector<ClipboardObject> clipboard;
  {
    FakeServices sourceServices;
    auto source = NewProject(sourceServices);
    CStructure& model = source->GetModel();
    model.AddLayer(CDielectric(2.0, 100.0), std::nullopt, true, false);
    clipboard.push_back(ClipboardObject::Copy(source->AddObjectCopyAt(0.0, Square(0, 0, 5, 0.0))));
    clipboard.push_back(ClipboardObject::Copy(source->AddObjectCopy(
        CVia(1.0, 3.0, 3.0, &model.FindLayerByZ(100.0), &model.FindLayerByZ(0.0), true))));
  }
  document->AddObjectCopyAt(100.0, Square(0, 0, 5, 100.0));
  HintPastedObjects pasted{};
  services.log.inspect = [&](const HintRecord& record) { pasted = record.sent.PastedObjects(); };

  std::vector<ClipboardObject> copies;
  for (const ClipboardObject& object : clipboard) copies.push_back(object.Clone());
  document->PasteObjects(std::move(copies), 100.0);

  EXPECT_EQ(services.hints.back().hint, H::HintPasteObjects);
  EXPECT_EQ(pasted.count, 2);
  ASSERT_EQ(Layer(100.0).GetShapeCount(), 2);
  const CConductorPolygon& polygon = *Layer(100.0).GetShapes().back();
  EXPECT_EQ(polygon.GetZ(), 100.0);
  EXPECT_EQ(polygon.id, 1u);  // a fresh id of this project
  const CVia& via = *Model().GetVias().back();
  EXPECT_EQ(via.GetTopLayer(), &Layer(100.0));
  EXPECT_EQ(via.GetBottomLayer(), &Layer(0.0));
}

TEST_F(EditOperationsTest, APasteWhoseViaFindsNoLayerIsRefusedWhole) {
  CStructure elsewhere;
  CLayer& top = elsewhere.AddLayer(CDielectric(1.0, 33.0), std::nullopt, true, false);
  std::vector<ClipboardObject> objects;
  objects.push_back(ClipboardObject::Copy(Square(0, 0, 5, 0.0)));
  objects.push_back(ClipboardObject::Copy(CVia(1.0, 3.0, 3.0, &top, &top, true)));

  EXPECT_EQ(ThrownText([&] { document->PasteObjects(std::move(objects), 0.0); }), "Layer does not exist");
  EXPECT_EQ(Layer(0.0).GetShapeCount(), 0);
  EXPECT_EQ(Model().GetViaCount(), 0);
  EXPECT_EQ(document->UndoCount(), 0u);
}

}  // namespace
}  // namespace quor::test
