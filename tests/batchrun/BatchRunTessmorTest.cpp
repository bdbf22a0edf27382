// The batch runner with the real library, on listings that Segment made
// from a sample project and on one whose system cannot be solved.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <sstream>
#include <string>

#include "BatchRunSandbox.h"
#include "solver/CheckerStage.h"
#include "solver/SegmentStage.h"
#include "solver/StageFrame.h"
#include "tessmor/ComputeJob.h"

using quor::solver::CheckerStage;
using quor::solver::RunStage;
using quor::solver::SegmentStage;
using quor::solver::StageKind;

namespace fs = std::filesystem;

namespace {

class BatchRunTessmor : public ::testing::Test {
 protected:
  void SetUp() override { m_sandbox.InstallLibrary(fs::path(QUOR_BIN_DIR) / "libTessmor.so"); }

  // Checks and segments a copy of the sample beside where the listing goes;
  // answers the number of patches.
  std::int32_t SegmentSample(const char* sample, const fs::path& base) const {
    fs::copy_file(fs::path(QUOR_SOURCE_DIR) / "examples" / sample, base.string() + ".qlx");
    const std::string basePath = base.string();
    ComputeJob job;
    job.BasePath = basePath.c_str();
    job.RunFlag = 1;
    RunStage(&job, StageKind::Checker, CheckerStage);
    EXPECT_EQ(job.Error, 0);
    RunStage(&job, StageKind::Segment, SegmentStage);
    EXPECT_EQ(job.Error, 0);
    return job.NumberOfUnknowns;
  }

  std::optional<std::string> RunWith(const fs::path& listing) const {
    EXPECT_EQ(m_sandbox.Run({listing.string()}), 0);
    return BatchRunSandbox::ReadLog(m_sandbox.ProgramDirectory());
  }

  BatchRunSandbox m_sandbox;
};

TEST_F(BatchRunTessmor, SolvesASegmentedSampleAtOneGigahertz) {
  const fs::path base = m_sandbox.DataDirectory() / "board";
  const std::int32_t patches = SegmentSample("coupled_lines.qlx", base);
  EXPECT_EQ(RunWith(base.string() + ".lst"), "Done");

  const std::optional<std::string> dat = quor::test::ReadFileIfExists(base.string() + ".dat");
  ASSERT_TRUE(dat.has_value());
  EXPECT_NE(dat->find("\nTotal number of unknowns " + std::to_string(patches) + "\n"), std::string::npos);
  EXPECT_NE(dat->find("\nB matrix [F]\n"), std::string::npos);

  // Three conductors: two ports, all four entries on the one frequency line.
  const std::optional<std::string> y = quor::test::ReadFileIfExists(base.string() + ".y2p");
  ASSERT_TRUE(y.has_value());
  std::istringstream lines(*y);
  std::string option;
  std::string point;
  std::getline(lines, option);
  std::getline(lines, point);
  EXPECT_EQ(option, "# GHZ Y RI R 1");
  EXPECT_EQ(point.substr(0, 11), "1.00000e+00");
  EXPECT_EQ(point.size(), 11u + 4u * 25u);
  EXPECT_TRUE(lines.get() == EOF) << "one frequency point";

  const std::optional<std::string> ckt = quor::test::ReadFileIfExists(base.string() + ".ckt");
  ASSERT_TRUE(ckt.has_value());
  EXPECT_EQ(ckt->substr(0, 11), "CAP 1 0 c= ");
  EXPECT_NE(ckt->find("\nCAP 1 2 c= "), std::string::npos);
  EXPECT_NE(ckt->find("\nCAP 2 0 c= "), std::string::npos);
}

// A patch without area makes a zero column; nothing that could pass for a
// result is left beside the listing.
TEST_F(BatchRunTessmor, ReportsTheSolveFailureOfASingularListing) {
  const fs::path listing = m_sandbox.WriteFile(m_sandbox.DataDirectory() / "board.lst",
                                               "1\n2\n0\n"
                                               "4\n0 0 0\n100 0 0\n100 100 0\n0 100 0\n1 1\n"
                                               "3\n50 50 10\n50 50 10\n50 50 10\n1 1\n");
  EXPECT_EQ(RunWith(listing), "Solving system of equations failed");
  for (const char* result : {"board.dat", "board.y0p", "board.ckt"}) {
    EXPECT_FALSE(fs::exists(m_sandbox.DataDirectory() / result)) << result;
  }
}

// A conductor without a patch would come out as a capacitance of zero.
TEST_F(BatchRunTessmor, NamesAConductorWithoutPatches) {
  const fs::path listing = m_sandbox.WriteFile(m_sandbox.DataDirectory() / "board.lst",
                                               "2\n1\n0\n0\n4\n0 0 0\n100 0 0\n100 100 0\n0 100 0\n1 1\n");
  EXPECT_EQ(RunWith(listing), "Conductor 1 has no unknowns: increase resolution or check its polygons");
  EXPECT_FALSE(fs::exists(m_sandbox.DataDirectory() / "board.ckt"));
}

// A folder the user may read but not write: the log names the result file
// that could not be made, and an earlier run's results stay as they were.
TEST_F(BatchRunTessmor, NamesTheResultFileThatCannotBeWritten) {
  const fs::path listing = m_sandbox.WriteFile(m_sandbox.DataDirectory() / "board.lst",
                                               "1\n1\n0\n4\n0 0 0\n100 0 0\n100 100 0\n0 100 0\n1 1\n");
  m_sandbox.WriteFile(m_sandbox.DataDirectory() / "board.dat", "earlier");
  fs::permissions(m_sandbox.DataDirectory(), fs::perms::owner_all | fs::perms::group_read |
                                                 fs::perms::group_exec | fs::perms::others_read |
                                                 fs::perms::others_exec);
  m_sandbox.MakeProgramDirectoryReadOnly();
  EXPECT_EQ(m_sandbox.Run({listing.string()}, /*unprivileged=*/true), 0);
  EXPECT_EQ(BatchRunSandbox::ReadLog(m_sandbox.StateDirectory() / "quor"),
            "Cannot write output file: " + (m_sandbox.DataDirectory() / "board.dat").string());
  EXPECT_EQ(quor::test::ReadFileIfExists(m_sandbox.DataDirectory() / "board.dat"), "earlier");
}

}  // namespace
