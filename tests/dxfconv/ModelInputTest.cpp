#include "dxfconv/ModelInput.h"

#include <gtest/gtest.h>

#include <sstream>

#include "dxfconv/ColourTable.h"
#include "dxfconv/ConverterRecord.h"
#include "dxfconv/ConverterTestFiles.h"
#include "dxfconv/ModelText.h"

namespace quor::dxfconv {
namespace {

using test::ModelText;
using Node = ModelText::Node;

StepResult Read(const std::string& text, ConverterRecord& record) {
  std::istringstream in(text);
  return read_model_input(in, "no-such-colour-file.cnv", record);
}

std::string Message(const std::string& text) {
  ConverterRecord record;
  return Read(text, record).message;
}

std::vector<Node> Square(float x, float y, float z) {
  return {{x, y, z}, {x + 1, y, z}, {x + 1, y + 1, z}};
}

std::vector<Node> Nodes(int count) {
  std::vector<Node> nodes;
  for (int k = 0; k < count; ++k) nodes.push_back({static_cast<float>(k % 10), 1, 0});
  return nodes;
}

ModelText OneLayer(std::vector<Node> nodes) {
  ModelText model(10, 10);
  model.Layer("a", 0).Polygon(true, std::move(nodes));
  return model;
}

ModelText OneVia(float radius, float x, float y, float zBottom, float zTop) {
  ModelText model(10, 10);
  model.Layer("a", 0).Via(radius, x, y, zBottom, zTop);
  return model;
}

ModelText Layers(int count, int polygonsEach) {
  ModelText model(10, 10);
  for (int i = 0; i < count; ++i) {
    model.Layer("L" + std::to_string(i), 0);
    for (int p = 0; p < polygonsEach; ++p) model.Polygon(true, Square(1, 1, 0));
  }
  return model;
}

ModelText Vias(int count) {
  ModelText model(10, 10);
  for (int i = 0; i < count; ++i) model.Via(1, 5, 5, 0, 1);
  return model;
}

TEST(ModelInput, ReadsTheSampleAlikeWithCrLfAndLf) {
  for (const char* lineEnd : {"\r\n", "\n"}) {
    SCOPED_TRACE(lineEnd[0] == '\r' ? "CR LF" : "LF");
    ConverterRecord record;
    ASSERT_EQ(Read(test::SampleModel().Text(lineEnd), record).status, 0);
    const ConverterModel& m = record.model;
    EXPECT_EQ(m.frameY, 50);
    ASSERT_EQ(m.layers.size(), 2u);
    EXPECT_EQ(m.layers[1].name, "top layer");
    EXPECT_EQ(m.layers[1].colourCode, 224);
    EXPECT_EQ(m.layers[1].height, 1.5f);
    ASSERT_EQ(m.polygons.size(), 2u);
    EXPECT_EQ(m.polygons[1].layer, 2);
    EXPECT_FALSE(m.polygons[1].closed);
    EXPECT_EQ(m.polygons[1].nodes.at(2).x, 40);
    EXPECT_EQ(m.viaSegments, 4);
    ASSERT_EQ(m.vias.size(), 2u);
    EXPECT_EQ(m.vias[1].x, 80);
    EXPECT_EQ(m.vias[1].zBottom, 0);
    EXPECT_EQ(m.vias[1].zTop, 1.5f);
  }
}

TEST(ModelInput, EachLimitHoldsAtItsBoundary) {
  const struct {
    const char* what;
    ModelText model;
    const char* message;  // empty: accepted
  } cases[] = {
      {"empty model", ModelText(0, 0), ""},
      {"frame x below 0", ModelText(-0.01f, 5), "Invalid frame x-coordinate"},
      {"frame y below 0", ModelText(5, -0.01f), "Invalid frame y-coordinate"},
      {"-1 layers", ModelText(5, 5).LayerCount(-1), "Invalid number of layers"},
      {"100 layers", Layers(100, 0), ""},
      {"101 layers", Layers(101, 0), "Invalid number of layers"},
      {"layer below 0", ModelText(5, 5).Layer("a", -0.5f), "Invalid layer height"},
      {"-1 polygons", ModelText(5, 5).Layer("a", 0, {0, 0, 0}, -1), "Invalid number of polygons"},
      {"1001 polygons on a layer", ModelText(5, 5).Layer("a", 0, {0, 0, 0}, 1001),
       "Invalid number of polygons"},
      {"1000 polygons on one layer", Layers(1, 1000), ""},
      {"2 x 500 polygons", Layers(2, 500), ""},
      {"2 x 600 polygons", ModelText(5, 5).Layer("a", 0, {0, 0, 0}, 600).Layer("b", 0, {0, 0, 0}, 600),
       "Invalid number of polygons"},
      {"2 nodes", OneLayer(Nodes(2)), "Invalid number of nodes"},
      {"3 nodes", OneLayer(Nodes(3)), ""},
      {"100 nodes", OneLayer(Nodes(100)), ""},
      {"101 nodes", OneLayer(Nodes(101)), "Invalid number of nodes"},
      {"nodes on the footprint edges", OneLayer({{0, 0, 0}, {10, 0, 0}, {10, 10, 0}}), ""},
      {"node x above frame", OneLayer({{0, 0, 0}, {10.01f, 0, 0}, {1, 1, 0}}), "Invalid node x-coordinate"},
      {"node x below 0", OneLayer({{0, 0, 0}, {-0.01f, 0, 0}, {1, 1, 0}}), "Invalid node x-coordinate"},
      {"node y above frame", OneLayer({{0, 0, 0}, {1, 10.01f, 0}, {1, 1, 0}}), "Invalid node y-coordinate"},
      {"node z below 0", OneLayer({{0, 0, 0}, {1, 1, -0.01f}, {1, 1, 0}}), "Invalid node z-coordinate"},
      {"-1 vias", ModelText(5, 5).ViaCount(-1), "Invalid number of vias"},
      {"1000 vias", Vias(1000), ""},
      {"1001 vias", ModelText(5, 5).ViaCount(1001), "Invalid number of vias"},
      {"via radius 0", OneVia(0, 5, 5, 0, 1), "Invalid via radius"},
      {"via touching x = 0 and y = frame", OneVia(1, 1, 9, 0, 1), ""},
      {"via over x = frame", OneVia(1, 9.5f, 5, 0, 1), "Invalid via x-coordinate"},
      {"via under y = 0", OneVia(1, 5, 0.5f, 0, 1), "Invalid via y-coordinate"},
      {"via bottom below 0", OneVia(1, 5, 5, -1, 1), "Invalid via z-coordinate"},
      {"via top below 0", OneVia(1, 5, 5, 0, -1), "Invalid via z-coordinate"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Message(c.model.Text()), c.message);
  }
}

TEST(ModelInput, UnreadableValuesAndEarlyEndAreDataErrors) {
  const std::string sample = test::SampleModel().Text("\n");
  const std::string dataError = "Data error or end of file";
  EXPECT_EQ(Message(""), dataError);
  EXPECT_EQ(Message(sample.substr(0, sample.size() - 5)), dataError);  // the last via cut short
  EXPECT_EQ(Message(sample.substr(0, sample.find("top layer"))), dataError);
  std::string text = sample;
  EXPECT_EQ(Message(text.replace(text.find("255 0 0"), 7, "255 x 0")), dataError);
  text = sample;
  EXPECT_EQ(Message(text.replace(text.find("\n2\n"), 3, "\n2.5\n")),
            dataError);  // a real for the layer count
  text = sample;
  EXPECT_EQ(Message(text.replace(text.find("60 25"), 2, "nan")), dataError);
}

TEST(ModelInput, ViaSegmentsOutsideTheirRangeBecomeTwelve) {
  for (const auto& [written, kept] : {std::pair{2, 12}, {3, 3}, {8, 8}, {180, 180}, {181, 12}, {250, 12}}) {
    ConverterRecord record;
    ASSERT_EQ(Read(Vias(200).ViaSegments(written).Text(), record).status, 0);
    EXPECT_EQ(record.model.viaSegments, kept) << written;
  }
}

TEST(ModelInput, LayerNamesAreTakenFromTheLineAfterTheSeparator) {
  ConverterRecord record;
  const std::string longName(60, 'n');
  std::string accented;
  for (int k = 0; k < 51; ++k) accented += "\xC3\xA9";  // e acute, two bytes in UTF-8
  ModelText model(10, 10);
  model.Layer("", 1, {255, 255, 255})
      .Layer("  two words ", 2)
      .Layer(longName, 3)
      .Polygon(false, Square(1, 1, 3))
      .Layer(accented, 4);
  ASSERT_EQ(Read(model.Text(), record).status, 0) << "an empty name must not shift the values after it";
  const auto& layers = record.model.layers;
  ASSERT_EQ(layers.size(), 4u);
  EXPECT_EQ(layers[0].name, "");
  EXPECT_EQ(layers[0].colourCode, 255);
  EXPECT_FLOAT_EQ(layers[0].height, 1);
  EXPECT_EQ(layers[1].name, "  two words ");
  EXPECT_EQ(layers[2].name, longName.substr(0, 50));
  EXPECT_EQ(layers[3].name, accented.substr(0, 100)) << "50 characters, not 50 bytes";
  EXPECT_EQ(record.model.polygons.at(0).layer, 3);
}

// A colour file whose codes are no DXF colour numbers: each layer falls back
// to its ordinal, counted from 1 for the first.
TEST(ModelInput, LayersFallBackToTheirOrdinalsFromOne) {
  test::TempDir dir;
  std::string colours;
  for (int k = 1; k <= ColourTable::kEntryCount; ++k) colours += "1000 0 0 0\n";
  test::WriteFile(dir.Path() / "colorcodes.cnv", colours);
  ModelText model(10, 10);
  model.Layer("a", 0, {0, 0, 0}).Layer("b", 1, {255, 0, 0}).Layer("c", 2, {9, 9, 9});
  std::istringstream in(model.Text());
  ConverterRecord record;
  ASSERT_EQ(read_model_input(in, dir.Path() / "colorcodes.cnv", record).status, 0);
  ASSERT_EQ(record.model.layers.size(), 3u);
  EXPECT_EQ(record.model.layers[0].colourCode, 1);
  EXPECT_EQ(record.model.layers[1].colourCode, 2);
  EXPECT_EQ(record.model.layers[2].colourCode, 3);
}

TEST(ModelInput, ClosedFlagOtherThanOneMeansOpenAndValuesMaySpanLinesWithCommas) {
  ConverterRecord record;
  const std::string text =
      "10,\n\n10\n\n1\n\nname\n0,\n0,255\n0\n1\n0\n1\n\n3\n2\n1,1\n0\n2 2 0 extra\n3 3 0\n\n0\n4\n";
  ASSERT_EQ(Read(text, record).status, 0);
  EXPECT_EQ(record.model.layers.at(0).colourCode, 3);
  ASSERT_EQ(record.model.polygons.size(), 1u);
  EXPECT_FALSE(record.model.polygons[0].closed);
  EXPECT_FLOAT_EQ(record.model.polygons[0].nodes[1].x, 2);
  EXPECT_FLOAT_EQ(record.model.polygons[0].nodes[2].y, 3);
}

}  // namespace
}  // namespace quor::dxfconv
