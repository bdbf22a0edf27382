// The result files and the programs that show them: one text window per kind
// of result, the 3D viewer started with an argument vector, and both ended
// when the document says so.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <chrono>
#include <fstream>

#include "ComputeTestDoubles.h"
#include "editor/document/ResultFiles.h"
#include "editor/document/SettingsProfile.h"
#include "support/WaitUntil.h"

namespace quor::test {
namespace {

namespace fs = std::filesystem;

class ResultProgramsTest : public ::testing::Test {
 protected:
  void Touch(const std::string& extension) const { std::ofstream(base + extension) << "result\n"; }
  std::vector<std::string> Shown() const {
    std::vector<std::string> paths;
    for (const auto& window : fixture.windows.textWindows) paths.push_back(window.path);
    return paths;
  }

  ComputeFixture fixture;
  std::vector<std::string>& shown = fixture.services.messages.shown;
  std::unique_ptr<FakeProjectDocument> document = fixture.OpenSample("coupled_lines.qlx");
  std::string base = fixture.Scratch("coupled_lines");
};

TEST_F(ResultProgramsTest, EachKindOfResultHasAtMostOneWindow) {
  Touch(".dat");
  document->ListResults();  // only the C parameters without profile values
  document->ListResults();
  *fixture.windows.textWindows[0].open = false;  // closed by the user
  document->ListResults();
  EXPECT_EQ(Shown(), (std::vector<std::string>{base + ".dat", base + ".dat"}));
  EXPECT_EQ(shown, std::vector<std::string>{"Results window already open"});
  *fixture.windows.textWindows[1].open = false;
  fixture.windows.textWindowFails = true;
  document->ListResults();
  EXPECT_EQ(shown.back(), "Opening the results window failed");
  fixture.windows.textWindowFails = false;

  // The Touchstone file's name counts the conductors but the reference.
  Touch(".y12");
  document->GetJob().ConductorCount = 13;
  fixture.services.profile.WriteProfileInt(kSettingsSection, "AutoOpenCkt", 1);
  fixture.services.profile.WriteProfileInt(kSettingsSection, "AutoOpenYParams", 1);
  document->ListResults();
  EXPECT_EQ(shown.back(), "File \"" + base + ".ckt\" doesn't exist.");
  EXPECT_EQ(Shown().back(), base + ".y12");
}

TEST_F(ResultProgramsTest, TheViewerGetsTheListingAsOneArgumentAndEndsWithTheDocument) {
  // A stand-in viewer that says where it runs and what it got, then waits.
  // The report appears whole, so that the test never reads it half written.
  const fs::path programs = fixture.scratch.Path() / "it's \"a\" dir; $HOME";
  fs::create_directories(programs);
  std::ofstream(programs / "quorview") << "#!/bin/sh\nprintf '%s\\n' \"$PWD\" \"$#\" \"$1\" > started.part\n"
                                       << "mv started.part started.tmp\nexec sleep 30\n";
  fs::permissions(programs / "quorview", fs::perms::owner_all);
  fixture.compute.programDirectory = programs.string() + "/";

  document->On3DView();
  const fs::path started = programs / "started.tmp";
  WaitUntil([&] { return fs::exists(started); }, std::chrono::seconds(5));
  std::ifstream report(started);
  std::string directory, count, argument;
  std::getline(report, directory);
  std::getline(report, count);
  std::getline(report, argument);
  EXPECT_EQ(directory, programs.string());
  EXPECT_EQ(count, "1");
  EXPECT_EQ(argument, base + ".lst");

  const auto before = std::chrono::steady_clock::now();
  document->TerminatePrograms();
  EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(5));
  EXPECT_EQ(shown, std::vector<std::string>{});
}

TEST_F(ResultProgramsTest, ARunningViewerIsNotStartedTwice) {
  const int lock = open(fixture.compute.viewerLock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  ASSERT_GE(lock, 0);
  ASSERT_EQ(flock(lock, LOCK_EX | LOCK_NB), 0);
  fixture.compute.programDirectory = "/nonexistent/";
  document->On3DView();
  close(lock);
  document->On3DView();
  EXPECT_EQ(shown, (std::vector<std::string>{"3D View is already started", "Could not start quorview"}));
}

}  // namespace
}  // namespace quor::test
