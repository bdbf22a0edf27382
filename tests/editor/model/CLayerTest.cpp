#include "editor/model/CLayer.h"

#include <gtest/gtest.h>

#include <sstream>

#include "editor/model/FakeViewMapping.h"
#include "editor/model/LayerColourTable.h"
#include "editor/model/RecordingTreeControl.h"
#include "editor/model/ThrownText.h"
#include "platform/archive/Archive.h"
#include "platform/draw/RecordingDrawContext.h"
#include "platform/error/TextError.h"

namespace quor {
namespace {

std::unique_ptr<CConductorPolygon> Rect(double left, double bottom, double right, double top, double z,
                                        std::uint32_t id, std::uint32_t index = 0) {
  auto polygon = std::make_unique<CConductorPolygon>();
  for (const Point3& p :
       {Point3(left, bottom, z), Point3(right, bottom, z), Point3(right, top, z), Point3(left, top, z)}) {
    polygon->AddNode(p);
  }
  polygon->SetClosed(true);
  polygon->id = id;
  polygon->conductorIndex = index;
  return polygon;
}

using test::ThrownText;

TEST(CLayerTest, NameIsCutToFiftyCharacters) {
  CLayer layer(CDielectric(1, 0), std::string(60, 'n'), true, false);
  EXPECT_EQ(layer.GetName(), std::string(50, 'n'));
  // A cut never leaves half a UTF-8 character behind.
  layer.SetName(std::string(49, 'a') + "\xC3\xA9xyz");
  EXPECT_EQ(layer.GetName(), std::string(49, 'a'));
}

TEST(CLayerTest, HitTestPrefersTheTopmostPolygonAndFollowsTheDrawingOrder) {
  CLayer layer(CDielectric(1, 50), "L", true, false);
  CConductorPolygon& lower = layer.AddShape(Rect(0, 0, 100, 100, 50, 1));
  CConductorPolygon& upper = layer.AddShape(Rect(50, 50, 150, 150, 50, 2));
  // The point's own height does not matter: the layer's is used.
  EXPECT_EQ(layer.HitTest({75, 75, 0}, 1), &upper);
  layer.MoveShapeToBegin(&upper);
  EXPECT_EQ(layer.HitTest({75, 75, 0}, 1), &lower);
  layer.MoveShapeToEnd(&upper);
  EXPECT_EQ(layer.GetShapes().back().get(), &upper);

  layer.visible = false;
  EXPECT_EQ(layer.HitTest({75, 75, 0}, 1), nullptr);
  const test::FakeViewMapping view(1.0, 200);
  RecordingDrawContext dc;
  layer.Draw(view, dc, true);
  EXPECT_TRUE(dc.Calls().empty());
  layer.visible = true;
  layer.colour = Rgb(10, 20, 30);
  layer.Draw(view, dc, true);
  ASSERT_EQ(dc.Calls().size(), 2u);
  EXPECT_EQ(dc.Calls()[1].brush.colour, Rgb(10, 20, 30));
}

TEST(CLayerTest, RefusalsThrowTheirTexts) {
  CLayer layer(CDielectric(1, 0), "L", true, false);
  const CConductorPolygon stranger;
  EXPECT_EQ(ThrownText([&] { layer.GetShapeById(1); }), "Bad id");
  EXPECT_EQ(ThrownText([&] { layer.RemoveShape(&stranger); }), "Object does not exist");
  EXPECT_EQ(ThrownText([&] { layer.MoveShapeToEnd(&stranger); }), "Object does not exist");
  EXPECT_EQ(ThrownText([&] { layer.MoveShapeToBegin(&stranger); }), "Object does not exist");

  CConductorPolygon& held = layer.AddShape(Rect(0, 0, 1, 1, 0, 7));
  EXPECT_EQ(&layer.GetShapeById(7), &held);
  const auto removed = layer.RemoveShape(&held);
  EXPECT_EQ(removed.get(), &held);
  EXPECT_EQ(layer.GetShapeCount(), 0);
}

TEST(CLayerTest, ConductorIndexFootprintCheckAndHeight) {
  CLayer layer(CDielectric(1, 0), "L", true, false);
  EXPECT_EQ(layer.MaxConductorIndex(), 0);
  layer.AddShape(Rect(-50, -50, 10, 10, 0, 1, 0));
  EXPECT_EQ(layer.MaxConductorIndex(), 0);
  CConductorPolygon* outside = nullptr;
  EXPECT_EQ(layer.FindShapeOutside(100, 100, outside), 0);  // x < 0 is not looked at
  CConductorPolygon& wide = layer.AddShape(Rect(0, 0, 101, 10, 0, 2, 3));
  EXPECT_EQ(layer.FindShapeOutside(100, 100, outside), 2);
  EXPECT_EQ(outside, &wide);
  EXPECT_EQ(layer.MaxConductorIndex(), 3);

  layer.SetZ(25);
  for (const auto& polygon : layer.GetShapes()) EXPECT_EQ(polygon->GetZ(), 25);
}

TEST(CLayerTest, TreeItemsAndCollection) {
  CLayer layer(CDielectric(1, 0), "Top metal", true, false);
  layer.AddShape(Rect(0, 0, 10, 10, 0, 4));
  layer.AddShape(Rect(0, 0, 100, 100, 0, 5));
  test::RecordingTreeControl tree;
  const TreeControl::Item item = layer.InsertTreeItems(tree, TreeControl::kRoot, TreeControl::kLast);
  ASSERT_EQ(tree.entries.size(), 3u);
  EXPECT_EQ(tree.entries[0].text, "Top metal");
  EXPECT_EQ(tree.entries[0].image, 2);
  EXPECT_EQ(std::get<CLayer*>(tree.entries[0].object), &layer);
  EXPECT_EQ(tree.entries[2].text, "Polygon 5");
  EXPECT_EQ(tree.entries[2].image, 4);
  EXPECT_EQ(tree.entries[2].parent, item);

  std::vector<CShape*> collected;
  const DoubleRect box{50, 0, 0, 50};
  layer.CollectShapes(&box, collected);
  ASSERT_EQ(collected.size(), 1u);
  EXPECT_EQ(collected[0]->id, 4u);
  layer.CollectShapes(nullptr, collected);
  EXPECT_EQ(collected.size(), 3u);
}

TEST(CLayerTest, RecordRoundTripKeepsAFiftyCharacterName) {
  CLayer layer(CDielectric(4.4, 160), std::string(50, 'x'), false, true);
  layer.colour = Rgb(1, 2, 3);
  layer.AddShape(Rect(0, 0, 10, 10, 160, 8, 2));
  std::vector<std::uint8_t> bytes;
  Archive store(bytes, Archive::Mode::Store);
  layer.Serialize(store);
  ASSERT_EQ(bytes.size(), 77u + 13 + 24 * 4);

  CLayer loaded;
  Archive load(bytes, Archive::Mode::Load);
  loaded.Serialize(load);
  EXPECT_EQ(loaded.GetName(), std::string(50, 'x'));
  EXPECT_EQ(loaded.GetEr(), 4.4);
  EXPECT_EQ(loaded.GetZ(), 160);
  EXPECT_EQ(loaded.colour, Rgb(1, 2, 3));
  EXPECT_TRUE(loaded.locked);
  EXPECT_FALSE(loaded.visible);
  ASSERT_EQ(loaded.GetShapeCount(), 1);
  EXPECT_EQ(loaded.GetShapes().front()->id, 8u);

  // A name field without its terminating zero still yields 50 characters.
  std::fill(bytes.begin() + 22, bytes.begin() + 73, std::uint8_t{'y'});
  CLayer unterminated;
  Archive loadUnterminated(bytes, Archive::Mode::Load);
  unterminated.Serialize(loadUnterminated);
  EXPECT_EQ(unterminated.GetName(), std::string(50, 'y'));
}

TEST(LayerColourTableTest, TableEntriesAndWrap) {
  EXPECT_EQ(DefaultLayerColour(0), Rgb(128, 128, 255));
  EXPECT_EQ(DefaultLayerColour(37), Rgb(7, 0, 19));
  EXPECT_EQ(DefaultLayerColour(62), Rgb(135, 52, 18));
  EXPECT_EQ(DefaultLayerColour(63), DefaultLayerColour(0));
  EXPECT_EQ(DefaultLayerColour(0xFFFFFFFFu), DefaultLayerColour(0xFFFFFFFFu % 63));
}

}  // namespace
}  // namespace quor
