// The document's edit operations: their hints in order, their undo steps and
// their refusals.
#include <gtest/gtest.h>

#include "DocumentBuilders.h"
#include "editor/model/CStructure.h"
#include "editor/model/ThrownText.h"
#include "platform/error/TextError.h"

namespace quor::test {
namespace {

using To = HintRecord::To;
using Deliveries_t = std::vector<std::pair<To, UpdateHint>>;

Deliveries_t Everywhere(std::initializer_list<UpdateHint> hints) {
  Deliveries_t result;
  for (UpdateHint hint : hints) {
    result.emplace_back(To::Views, hint);
    result.emplace_back(To::Frame, hint);
  }
  return result;
}

class EditOperationsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    document = NewProject(services);
    document->GetModel().AddLayer(CDielectric(4.5, 100.0), std::nullopt, true, false);
    services.hints.clear();
  }

  CLayer& Layer(double z) { return document->GetModel().FindLayerByZ(z); }

  FakeServices services;
  std::unique_ptr<FakeProjectDocument> document;
};

TEST_F(EditOperationsTest, AddingSendsItsHintToViewsThenFrameWithTheClone) {
  const CConductorPolygon original = Square(0, 0, 10, 100.0);
  HintObjectAtZ delivered{};
  services.log.inspect = [&](const HintRecord& record) {
    delivered = *static_cast<const HintObjectAtZ*>(record.payload);
  };
  CConductorPolygon& added = document->AddObjectCopyAt(100.0, original);
  EXPECT_NE(&added, &original);
  EXPECT_EQ(Deliveries(services.hints), Everywhere({UpdateHint::HintAddObjectAt}));
  EXPECT_EQ(delivered.object, &added);
  EXPECT_EQ(delivered.z, 100.0);
  EXPECT_TRUE(document->modified);
  EXPECT_EQ(document->UndoCount(), 1u);
}

TEST_F(EditOperationsTest, MovingToAnotherLayerKeepsTheIdSendsRemoveThenAddAndTakesNoStep) {
  CConductorPolygon& polygon = document->AddObjectCopyAt(0.0, Square(0, 0, 10, 0.0));
  const std::uint32_t id = polygon.id;
  services.hints.clear();

  document->MoveObjectToLayer(polygon, 100.0);
  EXPECT_EQ(Deliveries(services.hints),
            Everywhere({UpdateHint::HintRemoveObject, UpdateHint::HintAddObjectAt}));
  EXPECT_EQ(Layer(0.0).GetShapeCount(), 0);
  EXPECT_EQ(&Layer(100.0).GetShapeById(id), &polygon);
  EXPECT_EQ(polygon.GetZ(), 100.0);
  EXPECT_EQ(document->UndoCount(), 1u);
}

TEST_F(EditOperationsTest, MovingToAMissingLayerIsRefusedAndKeepsThePolygon) {
  CConductorPolygon& polygon = document->AddObjectCopyAt(0.0, Square(0, 0, 10, 0.0));
  EXPECT_THROW(document->MoveObjectToLayer(polygon, 55.0), TextError);
  EXPECT_EQ(Layer(0.0).GetShapeCount(), 1);
}

TEST_F(EditOperationsTest, DeletingALayerSendsBeforeThenDeletedAndTakesItsViasInOneStep) {
  document->AddObjectCopyAt(100.0, Square(0, 0, 10, 100.0));
  document->AddObjectCopyAt(100.0, Square(20, 0, 10, 100.0));
  document->AddObjectCopy(CVia(2.0, 5.0, 5.0, &Layer(100.0), &Layer(0.0), true));
  CLayer* layer = &Layer(100.0);
  services.hints.clear();
  // At the first hint the layer and everything on it still exist.
  HintLayerObjects before{};
  int viasAtFirstHint = -1;
  services.log.inspect = [&](const HintRecord& record) {
    if (record.hint != UpdateHint::HintBeforeLayerDelete) return;
    before = *static_cast<const HintLayerObjects*>(record.payload);
    viasAtFirstHint = document->GetModel().GetViaCount();
  };

  document->DeleteLayer(100.0);
  ASSERT_EQ(Deliveries(services.hints),
            Everywhere({UpdateHint::HintBeforeLayerDelete, UpdateHint::HintLayerDeleted}));
  EXPECT_EQ(before.layer, layer);
  EXPECT_EQ(before.count, 2);
  EXPECT_EQ(viasAtFirstHint, 1);
  EXPECT_EQ(services.hints.back().payload, layer);
  EXPECT_FALSE(document->GetModel().HasLayerAtZ(100.0));
  EXPECT_EQ(document->GetModel().GetViaCount(), 0);
  EXPECT_EQ(document->UndoCount(), 4u);

  document->Undo();
  EXPECT_EQ(Layer(100.0).GetShapeCount(), 2);
  ASSERT_EQ(document->GetModel().GetViaCount(), 1);
  EXPECT_EQ(document->GetModel().GetVias().front()->GetTopLayer(), &Layer(100.0));
}

TEST_F(EditOperationsTest, TheGroundLayerCannotBeDeleted) {
  EXPECT_EQ(ThrownText([&] { document->DeleteLayer(0.0); }), "Layer z=0 cannot be deleted");
  EXPECT_EQ(document->UndoCount(), 0u);
  EXPECT_TRUE(services.hints.empty());
}

TEST_F(EditOperationsTest, ARefusedChangeCommitsNothingAndSendsNoHint) {
  EXPECT_EQ(ThrownText([&] { document->AddObjectCopyAt(55.0, Square(0, 0, 1, 55.0)); }),
            "Layer does not exist");
  EXPECT_EQ(document->UndoCount(), 0u);
  EXPECT_TRUE(services.hints.empty());
  EXPECT_FALSE(document->modified);
}

TEST_F(EditOperationsTest, DeletingObjectsAndViasSendsTheirIdentities) {
  CConductorPolygon& polygon = document->AddObjectCopyAt(0.0, Square(0, 0, 10, 0.0));
  CVia& via = document->AddObjectCopy(CVia(2.0, 5.0, 5.0, &Layer(100.0), &Layer(0.0), false));
  CVia& other = document->AddObjectCopy(CVia(2.0, 50.0, 5.0, &Layer(100.0), &Layer(0.0), false));
  services.hints.clear();
  std::vector<const CShape*> identities;
  services.log.inspect = [&](const HintRecord& record) {
    if (record.hint != UpdateHint::HintDeleteObjects || record.to != To::Frame) return;
    const auto* deleted = static_cast<const HintDeletedObjects*>(record.payload);
    identities.assign(deleted->objects, deleted->objects + deleted->count);
  };

  document->DeleteObjects({&polygon, &via});
  document->DeleteVia(other);
  EXPECT_EQ(Deliveries(services.hints),
            Everywhere({UpdateHint::HintDeleteObjects, UpdateHint::HintDeleteVia}));
  EXPECT_EQ(identities, (std::vector<const CShape*>{&polygon, &via}));
  EXPECT_EQ(services.hints.back().payload, &other);
  EXPECT_EQ(Layer(0.0).GetShapeCount(), 0);
  EXPECT_EQ(document->GetModel().GetViaCount(), 0);
}

TEST_F(EditOperationsTest, OrderAndScaleOperationsSendTheirHints) {
  CConductorPolygon& first = document->AddObjectCopyAt(0.0, Square(0, 0, 10, 0.0));
  CConductorPolygon& second = document->AddObjectCopyAt(0.0, Square(0, 0, 10, 0.0));
  services.hints.clear();

  document->BringToFront(first);
  EXPECT_EQ(Layer(0.0).GetShapes().back().get(), &first);
  document->SendToBack(first);
  EXPECT_EQ(Layer(0.0).GetShapes().front().get(), &first);
  document->ScaleObject({&second}, Point3(0, 0, 0), Point3(10, 10, 0), Point3(20, 20, 0));
  EXPECT_EQ(second.GetBBox().right, 20.0);
  document->RemoveObjectAt(0.0, second);
  EXPECT_EQ(Deliveries(services.hints),
            Everywhere({UpdateHint::HintBringToFront, UpdateHint::HintSendToBack,
                        UpdateHint::HintObjectScaled, UpdateHint::HintRemoveObject}));
}

TEST_F(EditOperationsTest, ModifiedAndUpdateReachesTheViewsOnly) {
  document->SetModifiedAndUpdate(UpdateHint::HintSelectionMoved);
  EXPECT_EQ(Deliveries(services.hints), (Deliveries_t{{To::Views, UpdateHint::HintSelectionMoved}}));
  EXPECT_TRUE(document->modified);
  EXPECT_EQ(document->UndoCount(), 0u);
}

TEST_F(EditOperationsTest, PastedPolygonsTakeTheLayerHeightAndPastedViasTheirLayersByHeight) {
  // The clipboard outlives the project it was copied from.
  std::vector<ClipboardObject> clipboard;
  {
    FakeServices sourceServices;
    auto source = NewProject(sourceServices);
    source->GetModel().AddLayer(CDielectric(2.0, 100.0), std::nullopt, true, false);
    CStructure& model = source->GetModel();
    clipboard.push_back(ClipboardObject::Copy(source->AddObjectCopyAt(0.0, Square(0, 0, 5, 0.0))));
    clipboard.push_back(ClipboardObject::Copy(source->AddObjectCopy(
        CVia(1.0, 3.0, 3.0, &model.FindLayerByZ(100.0), &model.FindLayerByZ(0.0), true))));
  }
  document->AddObjectCopyAt(100.0, Square(0, 0, 5, 100.0));
  services.hints.clear();
  HintPastedObjects pasted{};
  services.log.inspect = [&](const HintRecord& record) {
    pasted = *static_cast<const HintPastedObjects*>(record.payload);
  };

  std::vector<ClipboardObject> copies;
  for (const ClipboardObject& object : clipboard) copies.push_back(object.Clone());
  document->PasteObjects(std::move(copies), 100.0);

  EXPECT_EQ(Deliveries(services.hints), Everywhere({UpdateHint::HintPasteObjects}));
  EXPECT_EQ(pasted.count, 2);
  EXPECT_EQ(pasted.z, 100.0);
  ASSERT_EQ(Layer(100.0).GetShapeCount(), 2);
  const CConductorPolygon& polygon = *Layer(100.0).GetShapes().back();
  EXPECT_EQ(polygon.GetZ(), 100.0);
  EXPECT_EQ(polygon.id, 1u);  // a fresh id of this project
  const CVia& via = *document->GetModel().GetVias().back();
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
  EXPECT_EQ(document->GetModel().GetViaCount(), 0);
  EXPECT_EQ(document->UndoCount(), 0u);
}

}  // namespace
}  // namespace quor::test
