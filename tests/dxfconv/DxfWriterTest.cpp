#include "dxfconv/DxfWriter.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <set>
#include <sstream>
#include <utility>

#include "dxfconv/ConverterRecord.h"
#include "dxfconv/ConverterTestFiles.h"
#include "dxfconv/DxfLayerNames.h"
#include "dxfconv/ModelInput.h"
#include "dxfconv/ModelText.h"

namespace quor::dxfconv {
namespace {

using test::ModelText;
using test::Pairs;

struct Templates {
  std::string drawing = test::TemplateText("quor.dxt");
  std::string layer = test::TemplateText("layer.dxt");
  std::string line = test::TemplateText("line.dxt");
  std::string circle = test::TemplateText("circle.dxt");
};

struct Conversion {
  StepResult result;
  std::string scratch;
  std::string output;
  Pairs pairs;
};

Conversion Convert(const ModelText& model, const Templates& t = {}, bool outputFails = false) {
  ConverterRecord record;
  std::istringstream modelText(model.Text());
  EXPECT_EQ(read_model_input(modelText, "no-colour-file", record).status, 0);
  std::istringstream drawing(t.drawing), layer(t.layer), line(t.line), circle(t.circle);
  std::stringstream scratch;
  std::ostringstream output;
  if (outputFails) output.setstate(std::ios::badbit);
  const DxfFiles files{drawing, scratch, output, layer, line, circle};
  Conversion c;
  c.result = DxfWriter(record, files).write_dxf();
  c.scratch = scratch.str();
  c.output = output.str();
  c.pairs = test::ParseDxf(c.output);
  return c;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// The first n pairs of a template.
std::string FirstPairs(const std::string& text, std::size_t n) {
  std::size_t end = 0;
  for (std::size_t i = 0; i < 2 * n; ++i) end = text.find('\n', end) + 1;
  return text.substr(0, end);
}

struct Entity {
  std::string type;
  long handle = 0;
  std::string layer;
  std::vector<double> numbers;  // codes 10 and above, in order
};

std::vector<Entity> Entities(const Pairs& pairs) {
  std::vector<Entity> entities;
  std::size_t i = 0;
  while (i < pairs.size() && pairs[i] != std::pair<int, std::string>{2, "ENTITIES"}) ++i;
  for (++i; i < pairs.size() && pairs[i].second != "ENDSEC"; ++i) {
    const auto& [code, value] = pairs[i];
    if (code == 0)
      entities.push_back({value});
    else if (code == 5)
      entities.back().handle = std::stol(value, nullptr, 16);
    else if (code == 8)
      entities.back().layer = value;
    else if (code >= 10 && code <= 40)
      entities.back().numbers.push_back(std::stod(value));
  }
  return entities;
}

// The values that follow a header variable or a table record name.
std::vector<std::string> After(const Pairs& pairs, std::pair<int, std::string> key, std::vector<int> codes) {
  std::vector<std::string> values;
  auto it = std::find(pairs.begin(), pairs.end(), key);
  for (++it; it != pairs.end() && values.size() < codes.size(); ++it) {
    if (it->first == codes[values.size()]) values.push_back(it->second);
  }
  return values;
}

// Layer-table entries as name, handle and colour.
using LayerEntry = std::array<std::string, 3>;

std::vector<LayerEntry> LayerTable(const Pairs& pairs) {
  std::vector<LayerEntry> layers;
  for (std::size_t i = 0; i + 7 < pairs.size(); ++i) {
    if (pairs[i] != std::pair<int, std::string>{0, "LAYER"}) continue;
    layers.push_back({pairs[i + 5].second, pairs[i + 1].second, pairs[i + 7].second});
  }
  return layers;
}

TEST(DxfWriter, LayerEntriesAndEntitiesTakeHandlesFromTheSeed) {
  Templates t;
  t.drawing = Replaced(t.drawing, "$HANDSEED\n5\n1F\n", "$HANDSEED\n5\n2F\n");
  const Conversion c = Convert(test::SampleModel(), t);
  ASSERT_EQ(c.result.status, 0) << c.result.message;
  // The template's own entry "0" follows the model's.
  EXPECT_EQ(LayerTable(c.pairs), (std::vector<LayerEntry>{{"gnd", "2F", "3"},
                                                          {"top layer", "30", "224"},
                                                          {"frame", "31", "1"},
                                                          {"via", "32", "3"},
                                                          {"0", "12", "7"}}));

  const std::vector<Entity> entities = Entities(c.pairs);
  ASSERT_EQ(entities.size(), 30u);
  for (std::size_t i = 0; i < entities.size(); ++i) EXPECT_EQ(entities[i].handle, 0x33 + long(i));
  EXPECT_EQ(After(c.pairs, {9, "$HANDSEED"}, {5}), std::vector<std::string>{"51"});
}

TEST(DxfWriter, EntitiesComeInModelOrder) {
  const std::vector<Entity> e = Entities(Convert(test::SampleModel()).pairs);
  ASSERT_EQ(e.size(), 30u);
  // The closed square gives four edges, the last back to its first node; the open path two.
  for (int i = 0; i < 4; ++i) EXPECT_EQ(e[i].layer, "gnd");
  EXPECT_EQ(e[3].numbers, (std::vector<double>{10, 20, 0, 10, 10, 0}));
  EXPECT_EQ(e[4].layer, "top layer");
  EXPECT_EQ(e[5].numbers, (std::vector<double>{40, 10, 1.5, 40, 20, 1.5}));
  // The footprint box between the lowest and the highest layer.
  for (int i = 6; i < 18; ++i) EXPECT_EQ(e[i].layer, "frame");
  EXPECT_EQ(e[6].numbers, (std::vector<double>{0, 0, 0, 100, 0, 0}));
  EXPECT_EQ(e[9].numbers, (std::vector<double>{0, 50, 1.5, 100, 50, 1.5}));
  EXPECT_EQ(e[11].numbers, (std::vector<double>{100, 0, 0, 100, 50, 0}));
  EXPECT_EQ(e[17].numbers, (std::vector<double>{100, 50, 0, 100, 50, 1.5}));
  // Four walls per via at 45, 135, 225 and 315 degrees, via by via, then the circles.
  const double d = 2 * std::cos(M_PI / 4);
  const double wall[4][2] = {{d, d}, {-d, d}, {-d, -d}, {d, -d}};
  for (int k = 0; k < 4; ++k) {
    const Entity& w = e[18 + k];
    EXPECT_EQ(w.type, "LINE");
    EXPECT_EQ(w.layer, "via");
    EXPECT_NEAR(w.numbers[0], 60 + wall[k][0], 1e-5);
    EXPECT_NEAR(w.numbers[1], 25 + wall[k][1], 1e-5);
    EXPECT_EQ(w.numbers[2], 0);
    EXPECT_EQ(w.numbers[5], 1.5);
    EXPECT_EQ(w.numbers[3], w.numbers[0]);
  }
  EXPECT_NEAR(e[22].numbers[0], 80 + std::cos(M_PI / 4), 1e-5);
  EXPECT_EQ(e[26].type, "CIRCLE");
  EXPECT_EQ(e[26].numbers, (std::vector<double>{60, 25, 0, 2}));
  EXPECT_EQ(e[27].numbers, (std::vector<double>{60, 25, 1.5, 2}));
  EXPECT_EQ(e[29].numbers, (std::vector<double>{80, 40, 1.5, 1}));
}

TEST(DxfWriter, HeaderGetsExtentsAndActiveView) {
  Templates t;
  t.drawing =
      Replaced(t.drawing, "$EXTMIN\n10\n0.0\n20\n0.0\n30\n0.0\n", "$EXTMIN\n10\n0.0\n20\n0.0\n30\n7.5\n");
  const Conversion c = Convert(test::SampleModel(), t);
  ASSERT_EQ(c.result.status, 0);
  EXPECT_EQ(After(c.pairs, {9, "$EXTMIN"}, {10, 20, 30}), (std::vector<std::string>{"0.0", "0.0", "7.5"}));
  EXPECT_EQ(After(c.pairs, {9, "$EXTMAX"}, {10, 20}), (std::vector<std::string>{"100.0", "50.0"}));
  const std::vector<std::string> view = After(c.pairs, {2, "*Active"}, {12, 22, 40});
  ASSERT_EQ(view.size(), 3u);
  EXPECT_EQ(std::stod(view[0]), 50);
  EXPECT_EQ(std::stod(view[1]), 25);
  // max(0.7 * 100, 50) * 1.05 with both constants in single precision.
  EXPECT_DOUBLE_EQ(std::stod(view[2]), double(0.7f) * 100 * double(1.05f));
}

TEST(DxfWriter, WithoutLayersTheBoxLiesAtZeroAndAnEmptyViewIsTenHigh) {
  const Conversion c = Convert(ModelText(0, 0));
  ASSERT_EQ(c.result.status, 0);
  const std::vector<Entity> e = Entities(c.pairs);
  ASSERT_EQ(e.size(), 12u);
  for (const Entity& line : e) EXPECT_EQ(line.numbers, (std::vector<double>(6, 0.0)));
  EXPECT_EQ(After(c.pairs, {2, "*Active"}, {40}), std::vector<std::string>{"10.0"});
}

TEST(DxfWriter, LayerNamesAreUniqueAndEntitiesUseTheTableNames) {
  const std::string long45(45, 'q');
  ModelText model(10, 10);
  for (const std::string& name :
       {std::string("  lead"), std::string("frame"), std::string("VIA"), std::string("0"), long45,
        long45 + "x", std::string("   "), std::string("Layer7")}) {
    model.Layer(name, 1).Polygon(false, {{1, 1, 1}, {2, 2, 1}, {3, 1, 1}});
  }
  const Conversion c = Convert(model);
  ASSERT_EQ(c.result.status, 0);
  std::vector<std::string> names;
  for (const LayerEntry& entry : LayerTable(c.pairs)) names.push_back(entry[0]);
  const std::string q40(40, 'q');
  EXPECT_EQ(names, (std::vector<std::string>{"lead", "frame_2", "VIA_2", "0_2", q40, q40.substr(0, 38) + "_2",
                                             "Layer7", "Layer7_2", "frame", "via", "0"}));
  std::set<std::string> table(names.begin(), names.end());
  for (const Entity& e : Entities(c.pairs)) EXPECT_TRUE(table.contains(e.layer)) << e.layer;
}

// The model's UTF-8 names in the drawing's code page, Windows-1252: what it
// cannot hold and what DXF forbids become "_", the cut at 40 counts
// characters, and names that differ only in letter case clash beyond ASCII too.
TEST(DxfWriter, LayerNamesAreWrittenInTheDrawingsCodePage) {
  std::string accented60;
  for (int k = 0; k < 60; ++k) accented60 += "\xC3\xA9";  // e acute
  const std::pair<std::string, std::string> cases[] = {
      {"GND/PWR", "GND_PWR"},
      {"Layer: 1", "Layer_ 1"},
      {"\xCE\xA9mega", "_mega"},  // Omega has no place in the code page
      {"a<b>c\\d\"e;f?g*h|i=j'k`l", "a_b_c_d_e_f_g_h_i_j_k_l"},
      {"\xC3\x89t\xC3\xA9", "\xC9t\xE9"},
      {"\xC3\xA9t\xC3\xA9", "\xE9t\xE9_2"},
      {"\xE2\x82\xAC 5 \xE2\x80\x94 \xC5\xA0", "\x80 5 \x97 \x8A"},  // euro, em dash, S caron
      {"\xC5\xA0", "\x8A"},
      {"\xC5\xA1", "\x9A_2"},  // s caron, S caron in lower case
      {accented60, std::string(40, '\xE9')},
      {"bad\xFF\xC3(byte", "bad__(byte"},
      {"tab\there", "tab_here"},
      {"cut short\xE2\x82", "cut short"},
  };
  ModelText model(10, 10);
  for (const auto& [name, written] : cases)
    model.Layer(name, 1).Polygon(false, {{1, 1, 1}, {2, 2, 1}, {3, 1, 1}});
  const Conversion c = Convert(model);
  ASSERT_EQ(c.result.status, 0);
  const std::vector<LayerEntry> table = LayerTable(c.pairs);
  ASSERT_EQ(table.size(), std::size(cases) + 3);
  for (std::size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(table[i][0], cases[i].second) << cases[i].first;
}

TEST(DxfWriter, CrLfTemplatesGiveTheSameDrawing) {
  Templates crlf;
  for (std::string* text : {&crlf.drawing, &crlf.layer, &crlf.line, &crlf.circle}) {
    std::string converted;
    for (const char ch : *text) converted += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
    *text = converted;
  }
  const Conversion lf = Convert(test::SampleModel());
  const Conversion withCr = Convert(test::SampleModel(), crlf);
  ASSERT_EQ(withCr.result.status, 0);
  EXPECT_EQ(withCr.output, lf.output);
}

TEST(DxfWriter, EachStepReportsItsFailure) {
  const Templates good;
  const auto drawing = [&](const std::string& from, const std::string& to) {
    Templates t;
    t.drawing = Replaced(good.drawing, from, to);
    return t;
  };
  Templates shortLayer, shortLine, noPairsLine;
  shortLayer.layer = FirstPairs(good.layer, 10);
  shortLine.line = FirstPairs(good.line, 11);
  noPairsLine.line = "";
  const struct {
    const char* what;
    Templates templates;
    const char* message;
  } cases[] = {
      {"header not first", drawing("2\nHEADER\n", "2\nCLASSES\n"), "Error reading header"},
      {"no handle seed", drawing("$HANDSEED\n", "$HANDSEEDS\n"), "Error reading header"},
      {"seed not hexadecimal", drawing("$HANDSEED\n5\n1F\n", "$HANDSEED\n5\n1G\n"), "Error reading header"},
      {"seed wider than 32 bits", drawing("$HANDSEED\n5\n1F\n", "$HANDSEED\n5\n1FFFFFFFF\n"),
       "Error reading header"},
      {"10-pair layer template", shortLayer, "Error parsing layers"},
      {"no layer entry", drawing("0\nLAYER\n5\n12\n", "0\nLAYERS\n5\n12\n"), "Error parsing layers"},
      {"11-pair line template", shortLine, "Error parsing entities"},
      {"empty line template", noPairsLine, "Error parsing entities"},
      {"no entities section", drawing("2\nENTITIES\n", "2\nENTITY\n"), "Error parsing entities"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const Conversion result = Convert(test::SampleModel(), c.templates);
    EXPECT_EQ(result.result.status, 1);
    EXPECT_EQ(result.result.message, c.message);
  }
}

TEST(DxfWriter, ShortCircleTemplateFailsAfterTheLinesWereWritten) {
  Templates t;
  t.circle = FirstPairs(t.circle, 9);
  const Conversion c = Convert(test::SampleModel(), t);
  EXPECT_EQ(c.result.message, "Error parsing entities");
  const Pairs scratch = test::ParseDxf(c.scratch);
  EXPECT_EQ(std::count(scratch.begin(), scratch.end(), std::pair<int, std::string>{0, "LINE"}), 26);
  EXPECT_EQ(std::count(scratch.begin(), scratch.end(), std::pair<int, std::string>{0, "CIRCLE"}), 0);
}

TEST(DxfWriter, OutputThatCannotBeWrittenIsNoSuccess) {
  EXPECT_EQ(Convert(test::SampleModel(), {}, true).result.message, "Error updating header");
}

}  // namespace
}  // namespace quor::dxfconv
