// The whole import to a project file, and the Import DXF dialog's row checks.
#include <gtest/gtest.h>

#include <unistd.h>
#include <fstream>
#include <iterator>

#include "editor/model/CStructure.h"
#include "editor/model/DocumentSettings.h"
#include "editor/model/QlxProjectFile.h"
#include "editor/ui/dxfimport/DxfColourPalette.h"
#include "editor/ui/dxfimport/DxfTestDrawing.h"
#include "editor/ui/dxfimport/ImportDxf.h"
#include "editor/ui/dxfimport/ImportDxfRows.h"
#include "platform/error/TextError.h"

namespace quor {
namespace {

namespace fs = std::filesystem;
using test::DxfTestDrawing;

class ImportDxfTest : public testing::Test {
 protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() / ("quor-import-" + std::to_string(getpid()));
    fs::create_directories(m_dir);
  }
  void TearDown() override { fs::remove_all(m_dir); }

  fs::path Write(const std::string& name, const DxfTestDrawing& drawing) {
    const fs::path path = m_dir / name;
    std::ofstream(path, std::ios::binary) << drawing.Text(true);
    return path;
  }

  fs::path m_dir;
};

// A frame of 100 by 50, gnd then top, and a via.
DxfTestDrawing Board() {
  DxfTestDrawing dxf;
  dxf.TableLayer("gnd", 1)
      .TableLayer("top", -5)
      .Polyline("frame", {{10, 10}, {110, 10}, {110, 60}, {10, 60}})
      .Polyline("top", {{11, 11}, {20, 11}, {20, 20}})
      .Polyline("gnd", {{10, 10}, {110, 10}, {110, 60}, {10, 60}})
      .Circle("via", 70, 35, 2);
  return dxf;
}

TEST_F(ImportDxfTest, WritesTheProjectInTheChosenUnit) {
  const fs::path dxf = Write("board.dxf", Board());
  std::vector<std::string> shown;
  ASSERT_TRUE(ImportDxf(dxf, [&](ImportDxfLayerValues& values) {
    shown = values.names;
    values.names[0] = "top copper";
    values.heights = {0.0625, 0.0};
    values.permittivities = {4.5, 1.0};
    values.unit = 2;  // inch
    return true;
  }));
  EXPECT_EQ(shown, (std::vector<std::string>{"top", "gnd"}));

  DocumentSettings settings;
  CStructure structure;
  LoadQlxProjectFile(m_dir / "board.qlx", settings, structure);
  double length = 0, width = 0;
  structure.GetFootprint(length, width);
  EXPECT_DOUBLE_EQ(length, 100 * 2540);
  EXPECT_DOUBLE_EQ(width, 50 * 2540);
  EXPECT_DOUBLE_EQ(settings.GridSpacing, 0.05 * 2540 * 100);
  EXPECT_EQ(settings.Units, 0);
  EXPECT_EQ(settings.FrequencyUnits, 1);
  EXPECT_EQ(settings.FrequencySteps, 1);

  // Sorted by height, while the polygon ids follow the drawing's layer order.
  ASSERT_EQ(structure.GetLayerCount(), 2);
  const CLayer& gnd = structure.GetLayerByIndex(0);
  const CLayer& top = structure.GetLayerByIndex(1);
  EXPECT_EQ(gnd.GetName(), "gnd");
  EXPECT_EQ(gnd.colour, Rgb(255, 0, 0));
  EXPECT_EQ(top.GetName(), "top copper");
  EXPECT_DOUBLE_EQ(top.GetZ(), 0.0625 * 2540);
  EXPECT_DOUBLE_EQ(top.GetEr(), 4.5);
  // A layer switched off keeps its colour.
  EXPECT_EQ(top.colour, Rgb(0, 0, 255));
  const CConductorPolygon& pad = *top.GetShapes().front();
  EXPECT_EQ(pad.id, 0u);
  EXPECT_EQ(gnd.GetShapes().front()->id, 1u);
  EXPECT_TRUE(pad.IsClosed());
  EXPECT_DOUBLE_EQ(pad.GetNodes().begin()->x, 2540);
  EXPECT_DOUBLE_EQ(pad.GetNodes().begin()->z, 0.0625 * 2540);

  ASSERT_EQ(structure.GetViaCount(), 1);
  const CVia& via = *structure.GetVias().front();
  EXPECT_DOUBLE_EQ(via.GetRadius(), 2 * 2540);
  EXPECT_DOUBLE_EQ(via.GetX(), 60 * 2540);
  // No layers of its own: both ends stored at height 0.
  EXPECT_EQ(via.GetTopLayer(), &gnd);
  EXPECT_EQ(via.GetBottomLayer(), &gnd);
  EXPECT_EQ(structure.GetNextShapeId(), 2u);
  EXPECT_EQ(structure.GetLayerCounter(), 2u);
}

TEST_F(ImportDxfTest, CancelAndFailuresWriteNothing) {
  const fs::path dxf = Write("board.dxf", Board());
  EXPECT_FALSE(ImportDxf(dxf, [](ImportDxfLayerValues&) { return false; }));
  EXPECT_FALSE(fs::exists(m_dir / "board.qlx"));

  DxfTestDrawing outside = Board();
  outside.Polyline("gnd", {{0, 0}, {5, 0}, {5, 5}});
  const fs::path bad = Write("outside.dxf", outside);
  bool asked = false;
  try {
    ImportDxf(bad, [&](ImportDxfLayerValues&) { return asked = true; });
    FAIL() << "accepted a drawing outside its frame";
  } catch (const TextError& error) {
    EXPECT_STREQ(error.Text(), "Drawing is not completely in the footprint");
  }
  EXPECT_FALSE(asked);
  EXPECT_FALSE(fs::exists(m_dir / "outside.qlx"));

  EXPECT_THROW(ImportedProjectPath(m_dir / "noextension"), TextError);
  EXPECT_EQ(ImportedProjectPath("/a.b/board.dxf"), fs::path("/a.b/board.qlx"));
}

// The hostile drawings of the test data, copied beside the project they write.
fs::path HostileDrawing(const fs::path& dir, const std::string& name) {
  const fs::path copy = dir / name;
  fs::copy_file(fs::path(QUOR_SOURCE_DIR) / "tests/data/hostile" / name, copy);
  fs::permissions(copy, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add);
  return copy;
}

std::vector<std::uint8_t> FileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST_F(ImportDxfTest, ColourNumbersOutsideThePaletteGiveTheDefaultColour) {
  const fs::path dxf = HostileDrawing(m_dir, "dxf_colour_int_min.dxf");
  DxfTestDrawing more;
  more.TableLayer("big", 256)
      .TableLayer("off", -255)
      .Polyline("big", {{0, 0}, {1, 0}, {1, 1}})
      .Polyline("off", {{0, 0}, {1, 0}, {1, 1}});
  const fs::path other = Write("more.dxf", more);
  const auto accept = [](ImportDxfLayerValues& values) {
    for (std::size_t i = 0; i < values.heights.size(); ++i) values.heights[i] = static_cast<double>(i);
    return true;
  };
  ASSERT_TRUE(ImportDxf(dxf, accept));
  ASSERT_TRUE(ImportDxf(other, accept));

  DocumentSettings settings;
  CStructure minimum;
  LoadQlxProjectFile(m_dir / "dxf_colour_int_min.qlx", settings, minimum);
  EXPECT_EQ(minimum.GetLayerByIndex(0).colour, DxfColourPalette(7));
  CStructure edges;
  LoadQlxProjectFile(m_dir / "more.qlx", settings, edges);
  ASSERT_EQ(edges.GetLayerCount(), 2);
  for (int i = 0; i < 2; ++i) {
    const CLayer& layer = edges.GetLayerByIndex(i);
    EXPECT_EQ(layer.colour, DxfColourPalette(layer.GetName() == "big" ? 7 : 255)) << layer.GetName();
  }
}

TEST_F(ImportDxfTest, SizesNoProjectCanHoldAreRefusedAndKeepTheFileOfThatName) {
  // Coordinates of +-1e308: the footprint overflows double before anything is asked.
  const fs::path far = HostileDrawing(m_dir, "dxf_infinite_footprint.dxf");
  std::ofstream(m_dir / "dxf_infinite_footprint.qlx", std::ios::binary) << "a good project";
  bool asked = false;
  try {
    ImportDxf(far, [&](ImportDxfLayerValues&) { return asked = true; });
    FAIL() << "accepted an infinite footprint";
  } catch (const TextError& error) {
    EXPECT_STREQ(error.Text(), "Invalid DXF file");
  }
  EXPECT_FALSE(asked);
  const std::string kept = "a good project";
  EXPECT_EQ(FileBytes(m_dir / "dxf_infinite_footprint.qlx"),
            std::vector<std::uint8_t>(kept.begin(), kept.end()));

  // Finite in drawing units, beyond double in metres.
  DxfTestDrawing huge;
  huge.TableLayer("a", 1).Polyline("a", {{0, 0}, {1e304, 0}, {1e304, 1e304}});
  const fs::path big = Write("huge.dxf", huge);
  std::ofstream(m_dir / "huge.qlx", std::ios::binary) << kept;
  try {
    ImportDxf(big, [&](ImportDxfLayerValues& values) {
      values.unit = 1;
      return true;
    });
    FAIL() << "wrote a project the editor refuses";
  } catch (const TextError& error) {
    EXPECT_STREQ(error.Text(), "Invalid DXF file");
  }
  EXPECT_EQ(FileBytes(m_dir / "huge.qlx"), std::vector<std::uint8_t>(kept.begin(), kept.end()));
}

std::optional<std::string> Check(const std::vector<ImportDxfRow>& rows, ImportDxfLayerValues& values,
                                 int unit = 0) {
  return CheckImportDxfRows(rows, unit, values);
}

TEST(ImportDxfRows, ChecksEachRowThenTheHeights) {
  ImportDxfLayerValues values;
  EXPECT_EQ(Check({{"gnd", "1", "0"}}, values), std::nullopt);
  EXPECT_EQ(Check({{"gnd", "2.2", "0"}}, values), "For layer z=0, substrate relative permittivity must be 1");
  EXPECT_EQ(Check({{"a", "1", "0"}, {"b", "1", "0.0"}}, values), "Two layers cannot be on the same height");
  EXPECT_EQ(Check({{"a", "1", "0.1"}, {"b", "1", "0.2"}}, values), "One layer must have z=0");
  EXPECT_EQ(Check({}, values), "One layer must have z=0");
  EXPECT_EQ(Check({{"a", "abc", "1"}}, values), "Substrate relative permittivity is less or equal 0");
  EXPECT_EQ(Check({{"a", "", "1"}}, values), "Please fill all fields");
  EXPECT_EQ(Check({{"", "1", "0"}}, values), "Please fill all fields");
  EXPECT_EQ(Check({{"a", "abc", "-1"}}, values), "Height is less than zero");
  EXPECT_EQ(Check({{"a\tb", "1", "0"}}, values), "Layer name cannot contain control characters");

  EXPECT_EQ(Check({{std::string(60, 'n'), "1", "0"}, {"b", " 2.2e0x", "1.5"}}, values), std::nullopt);
  EXPECT_EQ(values.names[0], std::string(50, 'n'));
  EXPECT_DOUBLE_EQ(values.permittivities[1], 2.2);
  EXPECT_DOUBLE_EQ(values.heights[1], 1.5);
}

TEST(ImportDxfRows, HeadingNamesTheUnit) {
  EXPECT_EQ(ImportDxfZHeading(3), "Z [mil]");
  EXPECT_EQ(ImportDxfZHeading(0), "Z [mm]");
  EXPECT_EQ(ImportDxfZHeading(4), std::nullopt);
}

}  // namespace
}  // namespace quor
