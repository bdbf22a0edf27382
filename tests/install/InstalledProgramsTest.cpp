// The installed tree works as build/bin/ does: the commands are links into
// one program folder, the batch runner and the converter run from there, and
// no installed program leans on the build tree.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "InstalledTree.h"
#include "editor/document/DxfExport.h"
#include "editor/model/CStructure.h"
#include "editor/model/DocumentSettings.h"
#include "editor/model/QlxProjectFile.h"
#include "solver/CheckerStage.h"
#include "solver/SegmentStage.h"
#include "solver/StageFrame.h"
#include "support/RunCommand.h"
#include "support/TempDir.h"
#include "support/TestFiles.h"
#include "support/TestProcess.h"

using quor::solver::CheckerStage;
using quor::solver::RunStage;
using quor::solver::SegmentStage;
using quor::solver::StageKind;

namespace quor::test {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Commands() {
#ifdef QUOR_WITH_GUI
  return {"batchrun", "quor", "quorview"};
#else
  return {"batchrun"};
#endif
}

std::vector<std::string> ProgramFolderFiles() {
  std::vector<std::string> files = Commands();
  for (const char* name : {"quor_dxf_conv", "libTessmor.so", "quor.dxt", "layer.dxt", "line.dxt",
                           "circle.dxt", "poly2d.dxt", "poly3d.dxt"}) {
    files.emplace_back(name);
  }
  return files;
}

std::string Quoted(const fs::path& path) {
  return "'" + path.string() + "'";
}

class InstalledPrograms : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(tree.Installed()) << tree.InstallOutput(); }

  const InstalledTree& tree = InstalledTree::Get();
  TempDir scratch{"quor-installed-"};
};

TEST_F(InstalledPrograms, LiveInOneFolderThatTheCommandsLinkTo) {
  for (const std::string& name : ProgramFolderFiles()) {
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(tree.ProgramFolder() / name))) << name;
  }
  std::set<std::string> inBin;
  for (const fs::directory_entry& entry : fs::directory_iterator(tree.Bin())) {
    inBin.insert(entry.path().filename().string());
  }
  const std::vector<std::string> commands = Commands();
  EXPECT_EQ(inBin, std::set<std::string>(commands.begin(), commands.end()));
  for (const std::string& name : commands) {
    const fs::path link = tree.Bin() / name;
    ASSERT_TRUE(fs::is_symlink(link)) << name;
    // Relative, so that a staged tree (the package's) links the same way.
    EXPECT_TRUE(fs::read_symlink(link).is_relative()) << name;
    EXPECT_EQ(fs::canonical(link), fs::canonical(tree.ProgramFolder() / name)) << name;
  }
}

TEST_F(InstalledPrograms, ResolveEveryLibraryWithoutTheBuildTree) {
  for (const std::string& name : ProgramFolderFiles()) {
    const fs::path file = tree.ProgramFolder() / name;
    if (file.extension() == ".dxt") continue;
    const CommandResult libraries = RunCommand("ldd " + Quoted(file) + " 2>&1");
    EXPECT_EQ(libraries.status, 0) << name << "\n" << libraries.output;
    EXPECT_EQ(libraries.output.find("not found"), std::string::npos) << name << "\n" << libraries.output;
    const CommandResult dynamic = RunCommand("readelf -d " + Quoted(file));
    EXPECT_EQ(dynamic.status, 0) << name;
    EXPECT_EQ(dynamic.output.find(QUOR_BUILD_DIR), std::string::npos) << name << "\n" << dynamic.output;
    EXPECT_EQ(dynamic.output.find(QUOR_SOURCE_DIR), std::string::npos) << name << "\n" << dynamic.output;
  }
}

// Started through its link, the runner finds the library and writes its log
// in the program folder it resolved, not in bin/.
TEST_F(InstalledPrograms, BatchRunFromTheBinFolderSolvesASampleListing) {
  const fs::path base = scratch.Path() / "board";
  fs::copy_file(fs::path(QUOR_SOURCE_DIR) / "examples" / "coupled_lines.qlx", base.string() + ".qlx");
  const std::string basePath = base.string();
  ComputeJob job;
  job.BasePath = basePath.c_str();
  job.RunFlag = 1;
  RunStage(&job, StageKind::Checker, CheckerStage);
  ASSERT_EQ(job.Error, 0);
  RunStage(&job, StageKind::Segment, SegmentStage);
  ASSERT_EQ(job.Error, 0);

  const fs::path home = scratch.Path() / "home";
  fs::create_directory(home);
  TestProcess batch(
      {(tree.Bin() / "batchrun").string(), basePath + ".lst"},
      {{"HOME=" + home.string(), "XDG_STATE_HOME=" + (home / "state").string()}, scratch.Path(), {}});
  ASSERT_EQ(batch.Wait(), 0);

  EXPECT_EQ(ReadFileIfExists(tree.ProgramFolder() / "kernel.log"), "Done");
  EXPECT_FALSE(fs::exists(tree.Bin() / "kernel.log"));
  EXPECT_EQ(ReadFile(basePath + ".y2p").substr(0, 15), "# GHZ Y RI R 1\n");
  EXPECT_EQ(ReadFile(basePath + ".ckt").substr(0, 11), "CAP 1 0 c= ");
}

TEST_F(InstalledPrograms, ExportRunsTheInstalledConverterOnItsTemplates) {
  DocumentSettings settings;
  CStructure structure;
  LoadQlxProjectFile(fs::path(QUOR_SOURCE_DIR) / "examples" / "microstrip.qlx", settings, structure);
  const fs::path target = scratch.Path() / "microstrip.dxf";
  EXPECT_EQ(DxfExport(tree.ProgramFolder().string() + "/").Run(structure, settings, target.string()),
            "Completed");
  const CommandResult audit = RunCommand("/usr/bin/ezdxf audit " + Quoted(target) + " 2>&1");
  EXPECT_EQ(audit.status, 0) << audit.output;
  EXPECT_NE(audit.output.find("No errors found"), std::string::npos) << audit.output;
}

#ifdef QUOR_WITH_GUI

TEST_F(InstalledPrograms, DesktopEntryValidates) {
  const CommandResult check =
      RunCommand("desktop-file-validate " + Quoted(tree.Share() / "applications" / "quor.desktop") + " 2>&1");
  EXPECT_EQ(check.status, 0) << check.output;
  EXPECT_EQ(check.output, "");
}

// The type as desktops see it, from the installed definition only.
TEST_F(InstalledPrograms, ProjectFilesAreKnownByNameAndByContent) {
  ASSERT_EQ(RunCommand("update-mime-database " + Quoted(tree.Share() / "mime") + " 2>&1").status, 0);
  const auto typeOf = [&](const fs::path& file) {
    const CommandResult info =
        RunCommand("XDG_DATA_HOME=" + Quoted(tree.Share()) + " gio info -a standard::content-type " +
                   Quoted(file) + " 2>/dev/null");
    const std::string key = "standard::content-type: ";
    const std::size_t at = info.output.find(key);
    if (at == std::string::npos) return std::string("(none)");
    const std::size_t start = at + key.size();
    return info.output.substr(start, info.output.find('\n', start) - start);
  };
  const fs::path unnamed = scratch.Path() / "board";
  fs::copy_file(fs::path(QUOR_SOURCE_DIR) / "examples" / "microstrip.qlx", unnamed);
  const fs::path named = scratch.Path() / "notes.qlx";
  WriteFile(named, "not a project\n");
  // The reader refuses another version, so its header is not taken for one.
  const fs::path otherVersion = scratch.Path() / "other";
  WriteFile(otherVersion, std::string("QUOR\x01\x00\x07\x00", 8) + std::string(64, 'x'));

  EXPECT_EQ(typeOf(unnamed), "application/x-quor-project");
  EXPECT_EQ(typeOf(named), "application/x-quor-project");
  EXPECT_NE(typeOf(otherVersion), "application/x-quor-project");
}

TEST_F(InstalledPrograms, IconComesScalableAndAtFortyEightAndTwoHundredFiftySixPixels) {
  const fs::path icons = tree.Share() / "icons" / "hicolor";
  EXPECT_TRUE(fs::is_regular_file(icons / "scalable" / "apps" / "quor.svg"));
  for (const unsigned size : {48u, 256u}) {
    const std::string side = std::to_string(size);
    const std::string png = ReadFile(icons / (side + "x" + side) / "apps" / "quor.png");
    ASSERT_GE(png.size(), 24u) << side;
    EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n");
    // IHDR: width and height, big-endian, at bytes 16 and 20.
    const auto word = [&](std::size_t at) {
      unsigned value = 0;
      for (std::size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<unsigned char>(png[at + i]);
      return value;
    };
    EXPECT_EQ(word(16), size);
    EXPECT_EQ(word(20), size);
  }
}

#endif

}  // namespace
}  // namespace quor::test
