#include "editor/model/CStructure.h"

#include <gtest/gtest.h>

#include <sstream>

#include "editor/model/DocumentSettings.h"
#include "editor/model/FakeViewMapping.h"
#include "editor/model/LayerComboControl.h"
#include "editor/model/LayerListControl.h"
#include "editor/model/RecordingTreeControl.h"
#include "editor/model/ThrownText.h"
#include "platform/draw/RecordingDrawContext.h"
#include "platform/error/TextError.h"

namespace quor {
namespace {

using Kind = RecordingDrawContext::Kind;

using test::ThrownText;

std::unique_ptr<CConductorPolygon> Square(double left, double bottom, double size, std::uint32_t index = 0) {
  auto polygon = std::make_unique<CConductorPolygon>();
  for (const Point3& p : {Point3(left, bottom, 0), Point3(left + size, bottom, 0),
                          Point3(left + size, bottom + size, 0), Point3(left, bottom + size, 0)}) {
    polygon->AddNode(p);
  }
  polygon->SetClosed(true);
  polygon->conductorIndex = index;
  return polygon;
}

CConductorPolygon& AddSquare(CStructure& structure, double z, double left, double bottom, double size,
                             std::uint32_t index = 0) {
  auto polygon = Square(left, bottom, size, index);
  polygon->SetZ(z);
  return structure.AddNewShapeAtZ(z, std::move(polygon));
}

std::vector<double> Heights(const CStructure& structure) {
  std::vector<double> heights;
  for (const auto& layer : structure.GetLayers()) heights.push_back(layer->GetZ());
  return heights;
}

CLayer& Add(CStructure& structure, double z) {
  return structure.AddLayer(CDielectric(1, z), std::nullopt, true, false);
}

TEST(CStructureTest, LayersStaySortedAndRefuseAnEqualHeight) {
  CStructure structure;
  Add(structure, 10);
  Add(structure, 0);
  Add(structure, 5);
  EXPECT_EQ(Heights(structure), (std::vector<double>{0, 5, 10}));
  EXPECT_EQ(ThrownText([&] { Add(structure, 5); }), "Two layers cannot be on the same height");
  EXPECT_EQ(Heights(structure), (std::vector<double>{0, 5, 10}));
  EXPECT_EQ(structure.GetLayerCounter(), 3u);
  EXPECT_EQ(structure.FindLayerByZ(5).GetName(), "Layer 2");
  EXPECT_EQ(structure.FindLayerByZ(0).colour, Rgb(255, 128, 255));  // entry 1 of the table

  structure.RemoveLayerAtZ(5);
  EXPECT_EQ(Add(structure, 7).GetName(), "Layer 3");
  EXPECT_EQ(&structure.GetLayerByIndex(1), &structure.FindLayerByZ(7));
  EXPECT_EQ(ThrownText([&] { structure.GetLayerByIndex(3); }), "Layer does not exist");
  EXPECT_EQ(ThrownText([&] { structure.GetLayerByIndex(-1); }), "Layer does not exist");
  EXPECT_EQ(ThrownText([&] { structure.FindLayerByZ(6); }), "Layer does not exist");
  EXPECT_EQ(ThrownText([&] { structure.RemoveLayerAtZ(6); }), "Layer does not exist");
  EXPECT_FALSE(structure.HasLayerAtZ(5));
}

TEST(CStructureTest, ChangingALayerHeightReordersAndSwapsViaLayers) {
  CStructure structure;
  CLayer& ground = Add(structure, 0);
  CLayer& middle = Add(structure, 10);
  CLayer& top = Add(structure, 20);
  AddSquare(structure, 10, 0, 0, 5);
  CVia& via = structure.AddVia(std::make_unique<CVia>(1, 5, 5, &middle, &ground, true));
  structure.AddVia(std::make_unique<CVia>(1, 8, 8, &top, &middle, false));

  EXPECT_EQ(ThrownText([&] { structure.ChangeLayerZ(middle, 10); }),
            "Two layers cannot be on the same height");
  EXPECT_EQ(ThrownText([&] { structure.ChangeLayerZ(middle, 20); }),
            "Two layers cannot be on the same height");

  // The bottom layer moves above the top one: the via that uses it is counted,
  // and its bottom now lying above its top, its layers are swapped.
  EXPECT_EQ(structure.ChangeLayerZ(ground, 30), 1);
  EXPECT_EQ(Heights(structure), (std::vector<double>{10, 20, 30}));
  EXPECT_EQ(via.GetTopLayer(), &ground);
  EXPECT_EQ(via.GetBottomLayer(), &middle);
  EXPECT_EQ(structure.ChangeLayerZ(middle, 25), 2);
  EXPECT_EQ(structure.FindLayerByZ(25).GetShapes().front()->GetZ(), 25);
}

TEST(CStructureTest, DeletingALayerDeletesTheViasThatJoinIt) {
  CStructure structure;
  CLayer& ground = Add(structure, 0);
  CLayer& middle = Add(structure, 10);
  CLayer& top = Add(structure, 20);
  structure.AddVia(std::make_unique<CVia>(1, 5, 5, &middle, &ground, true));
  CVia& kept = structure.AddVia(std::make_unique<CVia>(1, 8, 8, &top, &ground, true));
  structure.AddVia(std::make_unique<CVia>(1, 9, 9, &top, &middle, true));
  structure.RemoveLayerAtZ(10);
  ASSERT_EQ(structure.GetViaCount(), 1);
  EXPECT_EQ(structure.GetVias().front().get(), &kept);

  // What follows would read freed layers if a via had been left behind.
  const test::FakeViewMapping view(1, 100);
  RecordingDrawContext dc;
  structure.DrawLayers(view, dc, true);
  std::ostringstream text;
  structure.WriteText(text, DocumentSettings{});
  EXPECT_EQ(kept.GetDescription(DocumentSettings{}), "Via 1, top=7.874, bottom=0");
}

TEST(CStructureTest, ObjectsIdsAndRefusals) {
  CStructure structure;
  Add(structure, 0);
  CConductorPolygon& first = AddSquare(structure, 0, 0, 0, 5, 0);
  CConductorPolygon& second = AddSquare(structure, 0, 0, 0, 5, 3);
  EXPECT_EQ(first.id, 0u);
  EXPECT_EQ(second.id, 1u);
  EXPECT_EQ(&structure.GetShapeByIdAtZ(0, 1), &second);
  EXPECT_EQ(structure.GetConductorCount(), 4);

  // A missing layer refuses before the counter moves.
  EXPECT_EQ(ThrownText([&] { structure.AddNewShapeAtZ(3, Square(0, 0, 1)); }), "Layer does not exist");
  EXPECT_EQ(structure.GetNextShapeId(), 2u);

  structure.SendToBack(second);
  EXPECT_EQ(structure.FindLayerByZ(0).GetShapes().front().get(), &second);
  structure.BringToFront(second);
  EXPECT_EQ(structure.FindLayerByZ(0).GetShapes().back().get(), &second);

  const auto removed = structure.RemoveShapeAtZ(0, &first);
  EXPECT_EQ(removed.get(), &first);
  EXPECT_EQ(ThrownText([&] { structure.RemoveShapeAtZ(0, &first); }), "Object does not exist");
  EXPECT_EQ(ThrownText([&] { structure.GetShapeByIdAtZ(0, 0); }), "Bad id");
  EXPECT_EQ(ThrownText([&] { structure.GetViaById(0); }), "Via does not exist");
  EXPECT_EQ(ThrownText([&] { structure.RemoveVia(&second); }), "Via does not exist");
  EXPECT_EQ(CStructure().GetConductorCount(), 1);
}

TEST(CStructureTest, FootprintCheckTestsUpperBoundsOnly) {
  CStructure structure;
  CLayer& ground = Add(structure, 0);
  CVia& via = structure.AddVia(std::make_unique<CVia>(10, 90, 50, &ground, &ground, true));
  CShape* outside = nullptr;
  EXPECT_EQ(structure.FindShapeOutsideFootprint(100, 100, outside), 0);  // x + r == length is inside
  EXPECT_EQ(structure.FindShapeOutsideFootprint(99, 100, outside), 1);
  EXPECT_EQ(outside, &via);
  CConductorPolygon& polygon = AddSquare(structure, 0, -20, -20, 70);
  EXPECT_EQ(structure.FindShapeOutsideFootprint(99, 49, outside), 2);
  EXPECT_EQ(outside, &polygon);
}

TEST(CStructureTest, HitTestOrderSkipsHiddenAndLockedLayers) {
  CStructure structure;
  CLayer& ground = Add(structure, 0);
  CLayer& top = Add(structure, 10);
  CConductorPolygon& low = AddSquare(structure, 0, 0, 0, 100);
  CConductorPolygon& high = AddSquare(structure, 10, 0, 0, 100);
  EXPECT_EQ(structure.HitTest({50, 50, 0}, 1), &high);
  top.locked = true;
  EXPECT_EQ(structure.HitTest({50, 50, 0}, 1), &low);
  ground.visible = false;
  EXPECT_EQ(structure.HitTest({50, 50, 0}, 1), nullptr);
  // Vias are hit whatever their layers' flags, before any polygon.
  CVia& via = structure.AddVia(std::make_unique<CVia>(5, 50, 50, &top, &ground, true));
  ground.visible = true;
  EXPECT_EQ(structure.HitTest({52, 50, 0}, 1), &via);

  std::vector<CShape*> collected;
  structure.CollectShapes(nullptr, collected);
  EXPECT_EQ(collected, (std::vector<CShape*>{&low, &via}));
}

TEST(CStructureTest, DrawsTheFootprintThenLayersWithTheirVias) {
  CStructure structure;
  structure.SetFootprint(200, 100);
  structure.SetMetallization(false, true, false, false);
  CLayer& ground = Add(structure, 0);
  CLayer& top = Add(structure, 10);
  AddSquare(structure, 0, 0, 0, 50);
  structure.AddVia(std::make_unique<CVia>(5, 50, 50, &top, &ground, true));
  const test::FakeViewMapping view(1, 100);
  RecordingDrawContext dc;
  structure.DrawFootprint(view, dc);
  ASSERT_EQ(dc.Calls().size(), 5u);
  EXPECT_EQ(dc.Calls()[0].kind, Kind::Rectangle);
  EXPECT_EQ(dc.Calls()[0].pen.style, PenStyle::Null);
  EXPECT_EQ(dc.Calls()[0].brush.colour, Rgb(255, 255, 255));
  // Bottom, right, top, left; only the left side is metallized.
  EXPECT_EQ(dc.Calls()[1].points, (std::vector<DevicePoint>{{20, 120}, {220, 120}}));
  EXPECT_EQ(dc.Calls()[4].points, (std::vector<DevicePoint>{{20, 20}, {20, 120}}));
  EXPECT_EQ(dc.Calls()[3].pen.colour, Rgb(0, 0, 0));
  EXPECT_EQ(dc.Calls()[4].pen.colour, Rgb(248, 123, 123));

  dc.Clear();
  structure.DrawLayers(view, dc, true);
  std::vector<Kind> kinds;
  for (const auto& call : dc.Calls()) kinds.push_back(call.kind);
  EXPECT_EQ(kinds, (std::vector<Kind>{Kind::Polygon, Kind::Ellipse, Kind::Ellipse}));
  top.visible = false;
  dc.Clear();
  structure.DrawLayers(view, dc, true);
  EXPECT_EQ(dc.Calls().size(), 2u);
}

class RecordingCombo : public LayerComboControl {
 public:
  int AddEntry(const std::string& text, CLayer* layer) override {
    entries.emplace_back(text, layer);
    return static_cast<int>(entries.size()) - 1;
  }
  void SetSelection(int index) override { selection = index; }
  std::vector<std::pair<std::string, CLayer*>> entries;
  int selection = -1;
};

class RecordingList : public LayerListControl {
 public:
  int InsertRow(int row, const std::string& text, int image, CLayer* layer) override {
    rows.push_back({layer, {{text, image}}});
    return row;
  }
  void SetCell(int row, int column, const std::string& text, int image) override {
    auto& cells = rows[static_cast<std::size_t>(row)].cells;
    cells.resize(static_cast<std::size_t>(column) + 1);
    cells[static_cast<std::size_t>(column)] = {text, image};
  }
  void SelectRow(int row) override { selected = row; }
  struct Row {
    CLayer* layer;
    std::vector<std::pair<std::string, int>> cells;
  };
  std::vector<Row> rows;
  int selected = -1;
};

TEST(CStructureTest, FillsTheTreeComboAndList) {
  CStructure structure;
  CLayer& ground = Add(structure, 0);
  CLayer& top = structure.AddLayer(CDielectric(4.4, 254), "FR-4", false, true);
  AddSquare(structure, 254, 0, 0, 5);
  CVia& via = structure.AddVia(std::make_unique<CVia>(1, 2, 2, &top, &ground, true));

  test::RecordingTreeControl tree;
  structure.FillProjectTree(tree);
  std::vector<std::string> texts;
  for (const auto& entry : tree.entries) texts.push_back(entry.text);
  EXPECT_EQ(texts, (std::vector<std::string>{"Layers", "Vias", "Layer 0", "FR-4", "Polygon 0", "Via 0"}));
  EXPECT_EQ(tree.entries[1].parent, TreeControl::kRoot);
  EXPECT_EQ(tree.entries[3].parent, 1);
  EXPECT_EQ(tree.entries[5].parent, 2);
  EXPECT_EQ(std::get<CShape*>(tree.entries[5].object), &via);

  RecordingCombo combo;
  structure.FillLayerCombo(combo, 254);
  ASSERT_EQ(combo.entries.size(), 2u);
  EXPECT_EQ(combo.entries[1], (std::pair<std::string, CLayer*>{"item", &top}));
  EXPECT_EQ(combo.selection, 1);
  RecordingCombo fallback;
  structure.FillLayerCombo(fallback, 7);
  EXPECT_EQ(fallback.selection, 0);

  RecordingList list;
  structure.FillLayerList(list, 254, DocumentSettings{});
  ASSERT_EQ(list.rows.size(), 2u);
  EXPECT_EQ(list.selected, 1);
  const auto& row = list.rows[1];
  EXPECT_EQ(row.layer, &top);
  EXPECT_EQ(row.cells[0].second, 3);  // hidden
  EXPECT_EQ(row.cells[1].second, 0);  // locked
  EXPECT_EQ(row.cells[3].first, "FR-4");
  EXPECT_EQ(row.cells[4].first, "4.4");
  EXPECT_EQ(row.cells[5].first, "100");  // mil
  EXPECT_EQ(list.rows[0].cells[0].second, 2);
  EXPECT_EQ(list.rows[0].cells[1].second, 1);
}

}  // namespace
}  // namespace quor
