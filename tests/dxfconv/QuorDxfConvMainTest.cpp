#include "dxfconv/QuorDxfConvMain.h"

#include <gtest/gtest.h>

#include "dxfconv/ConverterTestFiles.h"
#include "dxfconv/ModelText.h"
#include "support/ScopedEnvironmentVariable.h"

namespace quor::dxfconv {
namespace {

namespace fs = std::filesystem;
using test::ModelText;

std::vector<std::string> StatusLines(const fs::path& dir) {
  return test::Lines(test::ReadFile(dir / "quor_dxf_conv.err"));
}

std::string Padded(std::string message) {
  message.resize(80, ' ');
  return " " + message;
}

// A folder with the templates and the sample model, as the editor leaves it.
struct Workplace {
  test::TempDir dir;
  fs::path Path() const { return dir.Path(); }
  Workplace() {
    test::CopyTemplates(Path());
    test::WriteFile(Path() / "quor.tmp", test::SampleModel().Text());
  }
  std::vector<std::string> Run() {
    quor_dxf_conv_main(Path());
    return StatusLines(Path());
  }
};

TEST(QuorDxfConvMain, SuccessSaysCompletedAndUsesTheColourFile) {
  Workplace w;
  std::string colours;
  for (int k = 1; k <= 255; ++k) colours += std::to_string(k == 255 ? 77 : k) + " 255 0 0\n";
  test::WriteFile(w.Path() / "colorcodes.cnv", colours);
  EXPECT_EQ(w.Run(), std::vector<std::string>{" Completed"});
  const test::Pairs pairs = test::ParseDxf(test::ReadFile(w.Path() / "dxf.tmp"));
  // All entries are red; the first of them wins for the red layer, the blue one falls to entry 1.
  const auto at = std::find(pairs.begin(), pairs.end(), std::pair<int, std::string>{2, "top layer"});
  ASSERT_NE(at, pairs.end());
  EXPECT_EQ(*(at + 2), (std::pair<int, std::string>{62, "1"}));
  EXPECT_EQ(pairs.back(), (std::pair<int, std::string>{0, "EOF"}));
}

TEST(QuorDxfConvMain, EachFailureLeavesItsStatusLines) {
  const std::string missingTemplate = "Cannot open template file ";
  const struct {
    const char* what;
    void (*prepare)(const fs::path&);
    std::vector<std::string> lines;
  } cases[] = {
      {"no model text", [](const fs::path& d) { fs::remove(d / "quor.tmp"); }, {" Cannot open input file"}},
      {"invalid model",
       [](const fs::path& d) { test::WriteFile(d / "quor.tmp", ModelText(-1, 0).Text()); },
       {" Error reading input file quor.tmp", Padded("Invalid frame x-coordinate")}},
      {"output is a folder",
       [](const fs::path& d) { fs::create_directory(d / "dxf.tmp"); },
       {" Cannot open output file"}},
      {"no templates",
       [](const fs::path& d) {
         for (const char* t :
              {"quor.dxt", "poly2d.dxt", "poly3d.dxt", "circle.dxt", "layer.dxt", "line.dxt"}) {
           fs::remove(d / t);
         }
       },
       {" Cannot open template file quor.dxt"}},
      {"no poly2d.dxt",
       [](const fs::path& d) { fs::remove(d / "poly2d.dxt"); },
       {" Cannot open template file poly2d.dxt"}},
      {"no poly3d.dxt",
       [](const fs::path& d) { fs::remove(d / "poly3d.dxt"); },
       {" Cannot open template file poly3d.dxt"}},
      {"no circle.dxt",
       [](const fs::path& d) { fs::remove(d / "circle.dxt"); },
       {" Cannot open template file circle.dxt"}},
      {"no layer.dxt",
       [](const fs::path& d) { fs::remove(d / "layer.dxt"); },
       {" Cannot open template file layer.dxt"}},
      {"no line.dxt",
       [](const fs::path& d) { fs::remove(d / "line.dxt"); },
       {" Cannot open template file line.dxt"}},
      {"short layer.dxt",
       [](const fs::path& d) { test::WriteFile(d / "layer.dxt", "0\nLAYER\n"); },
       {" Error writing output file DXF.tmp", Padded("Error parsing layers")}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Workplace w;
    c.prepare(w.Path());
    EXPECT_EQ(w.Run(), c.lines);
  }
}

TEST(QuorDxfConvMain, MissingModelTextLeavesAnEarlierDrawingAlone) {
  Workplace w;
  fs::remove(w.Path() / "quor.tmp");
  test::WriteFile(w.Path() / "dxf.tmp", "earlier drawing");
  w.Run();
  EXPECT_EQ(test::ReadFile(w.Path() / "dxf.tmp"), "earlier drawing");
}

TEST(QuorDxfConvMain, ScratchFileThatCannotBeMadeIsReported) {
  Workplace w;
  const quor::test::ScopedEnvironmentVariable noTmp("TMPDIR", (w.Path() / "missing").string());
  EXPECT_EQ(w.Run(), std::vector<std::string>{" Cannot open scratch file"});
}

TEST(QuorDxfConvMain, StatusFileThatCannotBeOpenedStopsTheRun) {
  Workplace w;
  fs::create_directory(w.Path() / "quor_dxf_conv.err");
  quor_dxf_conv_main(w.Path());
  EXPECT_FALSE(fs::exists(w.Path() / "dxf.tmp"));
}

// The program from the program directory, run as the editor runs it, and its
// drawing read by an independent DXF reader and checked on its group codes.
TEST(QuorDxfConvProgram, DrawingPassesAnIndependentReader) {
  const fs::path bin = QUOR_BIN_DIR;
  const std::string checker = std::string(QUOR_SOURCE_DIR) + "/tests/dxfconv/check_dxf.py";
  ModelText awkward(20, 20);
  for (const char* name : {" lead", "frame", "Via", "0", "", "a name much longer than forty characters, 1",
                           "a name much longer than forty characters, 2"}) {
    awkward.Layer(name, 1).Polygon(true, {{1, 1, 1}, {2, 1, 1}, {2, 2, 1}});
  }
  awkward.Via(1, 10, 10, 0, 1);
  // Names DXF forbids or its code page cannot hold, and one of 60 characters
  // that are two bytes each in the model text.
  ModelText foreign(20, 20);
  std::string accented60;
  for (int k = 0; k < 60; ++k) accented60 += "\xC3\xA9";
  for (const std::string& name :
       {std::string("GND/PWR"), std::string("Layer: 1"), std::string("\xCE\xA9mega"),
        std::string("\xC3\x89t\xC3\xA9 <1> \"x\" 'y' a|b=c?*;\\`"), accented60}) {
    foreign.Layer(name, 1).Polygon(true, {{1, 1, 1}, {2, 1, 1}, {2, 2, 1}});
  }
  for (const ModelText& model : {test::SampleModel(), awkward, foreign, ModelText(0, 0)}) {
    test::TempDir dir;
    test::CopyTemplates(dir.Path(), bin);
    test::WriteFile(dir.Path() / "quor.tmp", model.Text());
    const std::string cd = "cd '" + dir.Path().string() + "' && ";
    ASSERT_EQ(test::RunCommand(cd + "'" + (bin / "quor_dxf_conv").string() + "'").status, 0);
    ASSERT_EQ(StatusLines(dir.Path()), std::vector<std::string>{" Completed"});

    const test::CommandResult audit = test::RunCommand(cd + "/usr/bin/ezdxf audit dxf.tmp 2>&1");
    EXPECT_EQ(audit.status, 0) << audit.output;
    EXPECT_NE(audit.output.find("No errors found."), std::string::npos) << audit.output;
    EXPECT_EQ(audit.output.find("fix"), std::string::npos) << audit.output;

    const test::CommandResult check =
        test::RunCommand(cd + "/usr/bin/python3 '" + checker + "' dxf.tmp 2>&1");
    EXPECT_EQ(check.status, 0) << check.output;
  }
}

TEST(QuorDxfConvProgram, CheckerCatchesALayerMissingFromTheTable) {
  Workplace w;
  ASSERT_EQ(w.Run(), std::vector<std::string>{" Completed"});
  std::string text = test::ReadFile(w.Path() / "dxf.tmp");
  text.replace(text.rfind("\n8\ngnd\n"), 7, "\n8\nGND2\n");
  test::WriteFile(w.Path() / "broken.dxf", text);
  const std::string checker = std::string(QUOR_SOURCE_DIR) + "/tests/dxfconv/check_dxf.py";
  const test::CommandResult check = test::RunCommand("/usr/bin/python3 '" + checker + "' '" +
                                                     (w.Path() / "broken.dxf").string() + "' 2>&1");
  EXPECT_EQ(check.status, 1);
  EXPECT_NE(check.output.find("'GND2', which the table lacks"), std::string::npos) << check.output;
}

}  // namespace
}  // namespace quor::dxfconv
