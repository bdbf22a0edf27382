// A hint's number and payload come together from one factory and are read
// back only as the payload's own type.
#include <gtest/gtest.h>

#include <variant>

#include "editor/document/EditingView.h"
#include "editor/document/UpdateHint.h"
#include "editor/model/CConductorPolygon.h"
#include "editor/model/CLayer.h"
#include "tests/editor/document/DocumentTestDoubles.h"

namespace quor::test {
namespace {

using H = UpdateHint;

TEST(UpdateHintTest, EachFactorySendsItsNumberWithAPayloadThatReadsBackAsSent) {
  CConductorPolygon polygon;
  CLayer layer(CDielectric(4.0, 100.0), "Layer 1", true, false);
  RecordingEditingView view;
  CShape* pasted[] = {&polygon};
  const CShape* deleted[] = {&polygon};

  EXPECT_EQ(Hint::AddObject(polygon).Code(), H::HintAddObject);
  EXPECT_EQ(&Hint::AddObject(polygon).Object(), &polygon);
  EXPECT_EQ(&Hint::BringToFront(polygon).Object(), &polygon);
  EXPECT_EQ(Hint::SendToBack(polygon).Code(), H::HintSendToBack);
  EXPECT_EQ(&Hint::NewLayer(layer).Layer(), &layer);
  EXPECT_EQ(Hint::LayerProperties(layer).Code(), H::HintLayerProperties);
  EXPECT_EQ(Hint::RemoveObject(polygon).RemovedObject(), &polygon);
  EXPECT_EQ(Hint::DeleteVia(polygon).Code(), H::HintDeleteVia);
  EXPECT_EQ(Hint::LayerDeleted(layer).RemovedLayer(), &layer);
  EXPECT_EQ(Hint::LayerVisible(2.5).Z(), 2.5);
  EXPECT_EQ(Hint::LayerLocked(3.5).Code(), H::HintLayerLocked);
  EXPECT_EQ(Hint::ActiveLayer(-1.0).Z(), -1.0);
  EXPECT_EQ(Hint::ViewActivated(&view).View(), &view);
  EXPECT_EQ(Hint::ViewActivated(nullptr).View(), nullptr);

  const Hint at = Hint::AddObjectAt({100.0, &polygon});
  EXPECT_EQ(at.Code(), H::HintAddObjectAt);
  EXPECT_EQ(at.ObjectAtZ().z, 100.0);
  EXPECT_EQ(at.ObjectAtZ().object, &polygon);
  EXPECT_EQ(Hint::BeforeLayerDelete({&layer, 7}).LayerObjects().count, 7);
  const Hint paste = Hint::PasteObjects({100.0, pasted, 1});
  EXPECT_EQ(paste.Code(), H::HintPasteObjects);
  EXPECT_EQ(paste.PastedObjects().objects[0], &polygon);
  EXPECT_EQ(Hint::DeleteObjects({deleted, 1}).DeletedObjects().count, 1);
}

TEST(UpdateHintTest, AHintReadAsAnotherPayloadTypeThrowsInsteadOfMisreading) {
  CConductorPolygon polygon;
  const Hint removed = Hint::RemoveObject(polygon);
  // The removed object is an identity only: it cannot be had as an object.
  EXPECT_THROW(removed.Object(), std::bad_variant_access);
  EXPECT_THROW(Hint::ActiveLayer(1.0).Layer(), std::bad_variant_access);
  EXPECT_THROW(Hint::AddObject(polygon).ObjectAtZ(), std::bad_variant_access);
  const Hint bare = UpdateHint::HintReload;
  EXPECT_EQ(bare.Code(), H::HintReload);
  EXPECT_THROW(bare.View(), std::bad_variant_access);
  EXPECT_EQ(Hint().Code(), H::HintNone);
}

TEST(UpdateHintTest, OnlyTheNumbersWithAFactoryCarryAPayload) {
  CConductorPolygon polygon;
  CLayer layer(CDielectric(4.0, 100.0), "Layer 1", true, false);
  for (const Hint& hint :
       {Hint::AddObject(polygon), Hint::NewLayer(layer), Hint::AddObjectAt({0.0, &polygon}),
        Hint::RemoveObject(polygon), Hint::DeleteVia(polygon), Hint::LayerDeleted(layer),
        Hint::BeforeLayerDelete({&layer, 0}), Hint::LayerVisible(0.0), Hint::LayerLocked(0.0),
        Hint::ActiveLayer(0.0), Hint::ViewActivated(nullptr), Hint::PasteObjects({0.0, nullptr, 0}),
        Hint::DeleteObjects({nullptr, 0}), Hint::LayerProperties(layer), Hint::BringToFront(polygon),
        Hint::SendToBack(polygon)}) {
    EXPECT_TRUE(CarriesPayload(hint.Code())) << static_cast<int>(hint.Code());
  }
  int carrying = 0;
  for (int number = 0; number <= 29; ++number) carrying += CarriesPayload(static_cast<UpdateHint>(number));
  EXPECT_EQ(carrying, 16);
}

}  // namespace
}  // namespace quor::test
