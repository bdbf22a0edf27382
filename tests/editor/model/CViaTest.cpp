#include "editor/model/CVia.h"

#include <gtest/gtest.h>

#include "editor/model/CDielectric.h"
#include "editor/model/CLayer.h"
#include "editor/model/DocumentSettings.h"
#include "editor/model/FakeViewMapping.h"
#include "editor/model/RecordingTreeControl.h"
#include "editor/model/ThrownText.h"
#include "platform/archive/Archive.h"
#include "platform/draw/RecordingDrawContext.h"
#include "platform/error/TextError.h"

namespace quor {
namespace {

std::string ThrownText(double er, double z) {
  return test::ThrownText([=] { CDielectric dielectric(er, z); });
}

TEST(CDielectricTest, RefusesImpossibleLayersWithTheirTexts) {
  EXPECT_EQ(ThrownText(1.0, 0.0), "");
  EXPECT_EQ(ThrownText(0.0, 1.0), "Substrate relative permittivity is less or equal 0");
  EXPECT_EQ(ThrownText(2.0, -0.5), "Height is less than zero");
  EXPECT_EQ(ThrownText(0.0, -1.0), "Substrate relative permittivity is less or equal 0");
}

class CViaTest : public ::testing::Test {
 protected:
  CLayer bottom{CDielectric(1.0, 0.0), "Bottom", true, false};
  CLayer top{CDielectric(4.4, 254.0), "Top", true, false};
};

TEST_F(CViaTest, HitTestCountsTheRimAndIgnoresHeight) {
  const CVia via(10, 100, 200, &top, &bottom, true);
  EXPECT_TRUE(via.HitTest({113, 200, 500}, 3));  // exactly radius + tolerance
  EXPECT_FALSE(via.HitTest({113.01, 200, 0}, 3));
  EXPECT_EQ(via.GetBBox(), (DoubleRect{210, 190, 90, 110}));
  EXPECT_EQ(via.GetZ(), 254.0);
}

TEST_F(CViaTest, OffsetMovesInThePlaneOnly) {
  CVia via(10, 100, 200, &top, &bottom, false);
  via.Offset({5, -5, 99});
  EXPECT_EQ(via.GetX(), 105);
  EXPECT_EQ(via.GetY(), 195);
  EXPECT_EQ(via.GetBBox(), (DoubleRect{205, 185, 95, 115}));
  EXPECT_EQ(via.GetZ(), 254.0);
}

TEST_F(CViaTest, DescriptionTreeItemAndCopies) {
  CVia via(10, 100, 200, &top, &bottom, true);
  via.id = 3;
  const DocumentSettings mil;
  EXPECT_EQ(via.GetDescription(mil), "Via 3, top=100, bottom=0");
  DocumentSettings mm;
  mm.Units = 0;
  EXPECT_EQ(via.GetDescription(mm), "Via 3, top=2.54, bottom=0");

  test::RecordingTreeControl tree;
  EXPECT_EQ(via.InsertTreeItem(tree, 7, TreeControl::kLast), 1);
  ASSERT_EQ(tree.entries.size(), 1u);
  EXPECT_EQ(tree.entries[0].text, "Via 3");
  EXPECT_EQ(tree.entries[0].image, 3);
  EXPECT_EQ(std::get<CShape*>(tree.entries[0].object), &via);

  // Editing a via assigns new values to the same object and keeps its id.
  CVia edited(20, 0, 0, &bottom, &top, false);
  edited.id = via.id;
  via = edited;
  EXPECT_EQ(via.GetRadius(), 20);
  EXPECT_EQ(via.GetTopLayer(), &bottom);
  EXPECT_FALSE(via.IsSolid());
  EXPECT_EQ(via.id, 3u);
  const auto clone = via.Clone();
  EXPECT_EQ(clone->GetType(), CShape::kVia);
  EXPECT_EQ(clone->GetBBox(), via.GetBBox());
}

TEST_F(CViaTest, RecordWritesZeroForAMissingLayer) {
  CVia via(10, 100, 200, nullptr, &bottom, true);
  via.id = 4;
  std::vector<std::uint8_t> bytes;
  Archive store(bytes, Archive::Mode::Store);
  via.Serialize(store);
  ASSERT_EQ(bytes.size(), 45u);
  Archive load(bytes, Archive::Mode::Load);
  EXPECT_EQ(load.ReadU32(), 4u);
  EXPECT_EQ(load.ReadF64(), 10);
  EXPECT_EQ(load.ReadF64(), 100);
  EXPECT_EQ(load.ReadF64(), 200);
  EXPECT_EQ(load.ReadF64(), 0.0);  // no top layer
  EXPECT_EQ(load.ReadF64(), 0.0);  // the bottom layer's height
  EXPECT_EQ(load.ReadU8(), 1);
}

TEST_F(CViaTest, DrawFillsWhiteWithTheCallersPen) {
  const test::FakeViewMapping view(1.0, 1000);
  RecordingDrawContext dc;
  dc.SelectPen(Pen{PenStyle::Solid, 0, Rgb(9, 9, 9)});
  CVia(10, 100, 200, &top, &bottom, true).Draw(view, dc, 0, 0, true);
  ASSERT_EQ(dc.Calls().size(), 1u);
  EXPECT_EQ(dc.Calls()[0].kind, RecordingDrawContext::Kind::Ellipse);
  EXPECT_EQ(dc.Calls()[0].pen.colour, Rgb(9, 9, 9));
  EXPECT_EQ(dc.Calls()[0].brush, (Brush{BrushStyle::Solid, Rgb(255, 255, 255)}));
  EXPECT_EQ(dc.Calls()[0].points, (std::vector<DevicePoint>{{110, 810}, {130, 830}}));
}

}  // namespace
}  // namespace quor
