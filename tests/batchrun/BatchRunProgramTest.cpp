// Runs the real program, copied into a sandbox where the test decides what
// lies beside it.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "BatchRunSandbox.h"

namespace fs = std::filesystem;

namespace {

class BatchRunProgram : public ::testing::Test {
 protected:
  // Runs with one argument and answers the log beside the program.
  std::optional<std::string> RunWith(const std::string& argument) {
    EXPECT_EQ(m_sandbox.Run({argument}), 0) << "the exit code is 0 whatever happens";
    return BatchRunSandbox::ReadLog(m_sandbox.ProgramDirectory());
  }

  BatchRunSandbox m_sandbox;
};

TEST_F(BatchRunProgram, RefusesArgumentsBeforeLoadingAnything) {
  m_sandbox.InstallLibrary(FAKE_TESSMOR);
  // ".lst" exists and has the extension, but four characters cannot name a listing.
  m_sandbox.WriteFile(m_sandbox.DataDirectory() / ".lst", "0");
  EXPECT_EQ(RunWith(".lst"), "Invalid parameter");
  EXPECT_EQ(RunWith(""), "Invalid parameter");

  EXPECT_EQ(RunWith((m_sandbox.DataDirectory() / "missing.lst").string()), "Could not find lst file");
  // Quotes are part of the path, not removed.
  const fs::path listing = m_sandbox.WriteFile(m_sandbox.DataDirectory() / "board.lst", "0");
  EXPECT_EQ(RunWith("\"" + listing.string() + "\""), "Could not find lst file");

  const fs::path upperCase = m_sandbox.WriteFile(m_sandbox.DataDirectory() / "board.LST", "0");
  EXPECT_EQ(RunWith(upperCase.string()), "Bad lst file");
  EXPECT_EQ(RunWith("board.lst.bak"), "Could not find lst file");
  m_sandbox.WriteFile(m_sandbox.DataDirectory() / "board.lst.bak", "0");
  EXPECT_EQ(RunWith("board.lst.bak"), "Bad lst file");

  EXPECT_FALSE(fs::exists(m_sandbox.DataDirectory() / "board.job")) << "the library was called";
}

// Five characters are the shortest listing name: one letter and ".lst".
TEST_F(BatchRunProgram, AcceptsAFiveCharacterListingName) {
  m_sandbox.InstallLibrary(FAKE_TESSMOR);
  m_sandbox.WriteFile(m_sandbox.DataDirectory() / "a.lst", "0");
  EXPECT_EQ(RunWith("a.lst"), "Done");
  EXPECT_TRUE(fs::exists(m_sandbox.DataDirectory() / "a.job")) << "the library was called";
}

TEST_F(BatchRunProgram, ReportsAMissingLibraryOrExport) {
  const fs::path listing = m_sandbox.WriteFile(m_sandbox.DataDirectory() / "board.lst", "0");
  EXPECT_EQ(RunWith(listing.string()), "Could not load libTessmor.so");

  m_sandbox.InstallLibrary(LIBRARY_WITHOUT_TESSMOR);
  EXPECT_EQ(RunWith(listing.string()), "Could not find function \"Tessmor\" in libTessmor.so");
}

TEST_F(BatchRunProgram, HandsTheLibraryTheFixedOneGigahertzJob) {
  m_sandbox.InstallLibrary(FAKE_TESSMOR);
  fs::create_directory(m_sandbox.DataDirectory() / "v1.2");
  m_sandbox.WriteFile(m_sandbox.DataDirectory() / "v1.2" / "board.lst", "0");
  // A relative path is taken from the current folder; only the last "." counts.
  EXPECT_EQ(RunWith("v1.2/board.lst"), "Done");
  EXPECT_EQ(quor::test::ReadFileIfExists(m_sandbox.DataDirectory() / "v1.2" / "board.job"),
            "BasePath=v1.2/board\nFrequencyStart=1\nFrequencyStop=1\nFrequencySteps=0\n"
            "FrequencyUnit=1000000000\nRefine=0\nResolution=1\nMinFeatureDistance=-1\n"
            "LengthUnitMetres=1e-05\nRunFlag=1\nDoneFlag=0\nProgress=0\nSolveProgress=0\nError=0\n");
}

TEST_F(BatchRunProgram, LogsTheTextOfTheLibraryErrorCodeUnfilled) {
  m_sandbox.InstallLibrary(FAKE_TESSMOR);
  const fs::path listing = m_sandbox.DataDirectory() / "board.lst";
  const std::pair<const char*, const char*> cases[] = {
      {"38", "Solving system of equations failed"},
      {"100", "Unknown error"},
      {"24", "Number of unknowns is greater than 6000,reduce resolution"},
      {"16", "Polygon %d in %s intersects with polygon %d in %s"},
      {"0", "Done"},
  };
  for (const auto& [code, text] : cases) {
    m_sandbox.WriteFile(listing, code);
    EXPECT_EQ(RunWith(listing.string()), text) << "code " << code;
  }
}

// The shell splits a path with blanks into several arguments; the runner
// takes the whole argument text.
TEST_F(BatchRunProgram, JoinsArgumentsWithSingleBlanks) {
  m_sandbox.InstallLibrary(FAKE_TESSMOR);
  const fs::path listing = m_sandbox.WriteFile(m_sandbox.DataDirectory() / "my board.lst", "0");
  EXPECT_EQ(m_sandbox.Run({(m_sandbox.DataDirectory() / "my").string(), "board.lst"}), 0);
  EXPECT_EQ(BatchRunSandbox::ReadLog(m_sandbox.ProgramDirectory()), "Done");
  EXPECT_TRUE(fs::exists(m_sandbox.DataDirectory() / "my board.job"));
}

// A shorter new text must not leave the tail of the old one behind.
TEST_F(BatchRunProgram, ReplacesTheOldLog) {
  m_sandbox.WriteFile(m_sandbox.ProgramDirectory() / "kernel.log", "Done and a much longer old text\n");
  const fs::path listing = m_sandbox.WriteFile(m_sandbox.DataDirectory() / "board.lst", "0");
  EXPECT_EQ(RunWith(listing.string()), "Could not load libTessmor.so");
  m_sandbox.WriteFile(m_sandbox.ProgramDirectory() / "kernel.log", "old\n");
  EXPECT_EQ(RunWith("abc"), "Invalid parameter");
}

// Run as an ordinary user (root writes anywhere), so that the read-only
// program folder really cannot be written.
TEST_F(BatchRunProgram, LogsInTheStateFolderWhenTheProgramFolderIsReadOnly) {
  m_sandbox.InstallLibrary(FAKE_TESSMOR);
  const fs::path listing = m_sandbox.WriteFile(m_sandbox.DataDirectory() / "board.lst", "38");
  fs::permissions(m_sandbox.DataDirectory(), fs::perms::all);
  m_sandbox.MakeProgramDirectoryReadOnly();

  EXPECT_EQ(m_sandbox.Run({listing.string()}, /*unprivileged=*/true), 0);
  EXPECT_EQ(BatchRunSandbox::ReadLog(m_sandbox.StateDirectory() / "quor"),
            "Solving system of equations failed");
  EXPECT_EQ(BatchRunSandbox::ReadLog(m_sandbox.ProgramDirectory()), std::nullopt);

  EXPECT_EQ(m_sandbox.Run({"abc"}, /*unprivileged=*/true), 0);
  EXPECT_EQ(BatchRunSandbox::ReadLog(m_sandbox.StateDirectory() / "quor"), "Invalid parameter");
}

// The program binds the library built beside it. Its outcome depends on the
// listing; here only that it loaded and ran is checked.
TEST_F(BatchRunProgram, RunsTheRealLibrary) {
  m_sandbox.InstallLibrary(fs::path(QUOR_BIN_DIR) / "libTessmor.so");
  const fs::path listing = m_sandbox.WriteFile(m_sandbox.DataDirectory() / "board.lst", "not a listing\n");
  const std::optional<std::string> log = RunWith(listing.string());
  ASSERT_TRUE(log.has_value());
  EXPECT_NE(*log, "Could not load libTessmor.so");
  EXPECT_NE(*log, "Could not find function \"Tessmor\" in libTessmor.so");
  EXPECT_NE(*log, "Done") << "a file that is no listing cannot be solved";
}

}  // namespace
