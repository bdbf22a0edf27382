// File Export through the converter: the build's converter gives a drawing an
// independent DXF reader accepts, and whatever a converter does wrong, the
// user's file is replaced only by a drawing this export made.
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "ComputeTestDoubles.h"
#include "editor/document/DxfExport.h"
#include "editor/model/CStructure.h"
#include "support/RunCommand.h"
#include "support/TestFiles.h"

namespace quor::test {
namespace {

namespace fs = std::filesystem;

class DxfExportTest : public ::testing::Test {
 protected:
  // A converter of our own making in a program directory of its own.
  std::string FakeConverter(const std::string& script) const {
    fs::create_directories(programs);
    std::ofstream(programs / "quor_dxf_conv") << "#!/bin/sh\n" << script;
    fs::permissions(programs / "quor_dxf_conv", fs::perms::owner_all);
    return programs.string() + "/";
  }

  ComputeFixture fixture;
  std::unique_ptr<FakeProjectDocument> document = fixture.OpenSample("coupled_lines.qlx");
  fs::path programs = fixture.scratch.Path() / "programs";
  std::string target = fixture.Scratch("drawing.dxf");
};

TEST_F(DxfExportTest, TheConverterOfTheBuildWritesADrawingThatAReaderAccepts) {
  std::ofstream(target) << "an older drawing";
  fixture.windows.exportPath = target;
  document->OnExport();
  EXPECT_EQ(fixture.windows.proposedNames, std::vector<std::string>{"coupled_lines"});
  EXPECT_EQ(fixture.services.messages.shown, std::vector<std::string>{"Completed"});
  const CommandResult audit = RunCommand("/usr/bin/ezdxf audit '" + target + "' 2>&1");
  EXPECT_EQ(audit.status, 0) << audit.output;
  EXPECT_NE(audit.output.find("No errors found"), std::string::npos);
}

// A bare name gets ".dxf"; as the dialog did not ask about that file, the
// user is asked before it is replaced. A name with an extension stays.
TEST_F(DxfExportTest, ABareNameGetsTheDrawingsExtension) {
  fixture.windows.exportPath = fixture.Scratch("bare");
  document->OnExport();
  EXPECT_EQ(fixture.services.messages.shown, std::vector<std::string>{"Completed"});
  EXPECT_TRUE(fs::exists(fixture.Scratch("bare.dxf")));
  EXPECT_FALSE(fs::exists(fixture.Scratch("bare")));

  std::ofstream(fixture.Scratch("kept.dxf")) << "the user's drawing";
  fixture.windows.exportPath = fixture.Scratch("kept");
  fixture.services.messages.answer = false;
  fixture.services.messages.shown.clear();
  document->OnExport();
  EXPECT_EQ(fixture.services.messages.shown,
            std::vector<std::string>{"kept.dxf already exists.\nDo you want to replace it?"});
  EXPECT_EQ(ReadFile(fixture.Scratch("kept.dxf")), "the user's drawing");

  fixture.windows.exportPath = fixture.Scratch("plot.v2");
  fixture.services.messages.shown.clear();
  document->OnExport();
  EXPECT_EQ(fixture.services.messages.shown, std::vector<std::string>{"Completed"});
  EXPECT_TRUE(fs::exists(fixture.Scratch("plot.v2")));
}

TEST_F(DxfExportTest, TheTargetIsReplacedOnlyByADrawingOfThisExport) {
  // An earlier export's status and drawing lie in the program directory.
  FakeConverter("");
  std::ofstream(programs / "quor_dxf_conv.err") << " Completed\n";
  std::ofstream(programs / "dxf.tmp") << "stale drawing";
  struct Case {
    const char* script;
    std::string message;
  };
  const Case cases[] = {
      {"exit 0\n", ""},
      {"echo ' Cannot open template file circle.dxt' > quor_dxf_conv.err\n",
       " Cannot open template file circle.dxt"},
      {"printf ' Error reading input file quor.tmp\\n Layer 2: height below layer 1      \\n' > "
       "quor_dxf_conv.err\n",
       " Error reading input file quor.tmp\n Layer 2: height below layer 1"},
      {"printf ' Error writing output file DXF.tmp\\n Completed\\n' > quor_dxf_conv.err\n",
       " Error writing output file DXF.tmp\n Completed"},
      {"echo ' Completed' > quor_dxf_conv.err\n", "Could not rename file dxf.tmp"},
      {"exec sleep 10\n", "Time-out interval elapsed"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.script);
    std::ofstream(target) << "the user's drawing";
    EXPECT_EQ(DxfExport(FakeConverter(c.script), std::chrono::milliseconds(300))
                  .Run(document->GetModel(), document->GetSettings(), target),
              c.message);
    EXPECT_EQ(ReadFile(target), "the user's drawing");
  }
  EXPECT_EQ(DxfExport("/nonexistent/").Run(document->GetModel(), document->GetSettings(), target),
            "Starting quor_dxf_conv failed");
}

// The status line counts as success when "Completed" stands anywhere in it;
// the converter reads the model text and the templates in its own directory.
// A target on another file system (/dev/shm here) is replaced just the same,
// and a drawing kept behind a link is replaced where it lies.
TEST_F(DxfExportTest, AConverterThatCompletesHandsOverItsDrawing) {
  const std::string directory = FakeConverter(
      "test -e quor.dxt && test -e poly3d.dxt && cp quor.tmp dxf.tmp && echo 'x Completed' > "
      "quor_dxf_conv.err\n");
  std::ofstream(programs / "quor.dxt") << "template";
  std::ofstream(programs / "poly3d.dxt") << "template";
  std::ostringstream modelText;
  document->GetModel().WriteText(modelText, document->GetSettings());
  const std::string elsewhere = "/dev/shm/quor-export-test-" + std::to_string(getpid()) + ".dxf";
  for (const std::string& path : {target, elsewhere}) {
    if (!fs::exists(fs::path(path).parent_path())) continue;
    std::ofstream(path) << "the user's drawing";
    EXPECT_EQ(DxfExport(directory).Run(document->GetModel(), document->GetSettings(), path), "Completed");
    EXPECT_EQ(ReadFile(path), modelText.str()) << path;
  }
  fs::remove(elsewhere);

  const std::string link = fixture.Scratch("link.dxf");
  fs::create_symlink(target, link);
  std::ofstream(target) << "the user's drawing";
  EXPECT_EQ(DxfExport(directory).Run(document->GetModel(), document->GetSettings(), link), "Completed");
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadFile(target), modelText.str());
}

}  // namespace
}  // namespace quor::test
