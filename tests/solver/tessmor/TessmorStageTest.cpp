// The whole stage on crafted listings: what it computes, the files it
// leaves, and how it fails.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <clocale>
#include <cmath>
#include <csignal>
#include <initializer_list>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "solver/QuorError.h"
#include "solver/tessmor/StagedResultSet.h"
#include "solver/tessmor/TessmorRun.h"
#include "support/FileSizeLimit.h"
#include "support/TestFiles.h"

namespace {

constexpr auto kSolveFailed = static_cast<std::int32_t>(ComputeError::SolveFailed);

// Two 10 mm plates 1 mm apart (internal units of 0.01 mm), each cut into
// cells × cells squares: conductor 0 below, conductor 1 above.
std::vector<TestPatch> ParallelPlates(int cells) {
  std::vector<TestPatch> patches = TiledRectangle(0, 0, 0, 1000, 1000, 0, cells, cells);
  const std::vector<TestPatch> top = TiledRectangle(1, 0, 0, 1000, 1000, 100, cells, cells);
  patches.insert(patches.end(), top.begin(), top.end());
  return patches;
}

class TessmorStage : public TessmorRun {
 protected:
  void ExpectNoResults() const {
    for (const char* extension : {"dat", "y0p", "y1p", "y2p", "ckt"}) {
      EXPECT_FALSE(std::filesystem::exists(Result(extension))) << extension;
    }
    for (const std::string& name : FolderContents()) {
      EXPECT_EQ(name.find(".part"), std::string::npos) << name;
    }
  }
};

TEST_F(TessmorStage, ParallelPlatesGiveAPhysicalMaxwellMatrixAndThreeFiles) {
  WriteListing(ListingText(2, ParallelPlates(10)));
  ASSERT_EQ(Run(), 0);
  EXPECT_EQ(FolderContents(), (std::vector<std::string>{"board.ckt", "board.dat", "board.lst", "board.y1p"}));
  EXPECT_EQ(job.Progress.load(), 100);
  EXPECT_GT(job.SolveProgress.load(), 0) << "200 unknowns take more than one block";

  const Matrix b = ReadMaxwellMatrix();
  ASSERT_EQ(b.size(), 2u);
  ExpectMaxwellMatrix(b, 1e-3);
  // More than the parallel-plate value ε0·a²/d = 0.885 pF: the fringe adds to it.
  const double mutual = -b[0][1] * 1e12;
  EXPECT_GT(mutual, 0.885);
  EXPECT_LT(mutual, 1.3);

  const std::string dat = *ReadResult("dat");
  EXPECT_NE(dat.find("\n\nCalculations [s]:\nMatrix filling   "), std::string::npos);
  EXPECT_NE(dat.find("\nTotal number of unknowns 200\n\nB matrix [F]\n\n"), std::string::npos);
  EXPECT_EQ(ReadResult("y1p")->substr(0, 26), "# GHZ Y RI R 1\n1.00000e+00");
  EXPECT_EQ(ReadResult("ckt")->substr(0, 11), "CAP 1 0 c= ");
}

// A GUI toolkit switches the program to the user's locale; the files keep
// their decimal points.
TEST_F(TessmorStage, WritesTheSameNumbersUnderADecimalCommaLocale) {
  WriteListing(ListingText(3, [] {
    std::vector<TestPatch> patches = TiledRectangle(0, 0, 0, 300, 100, 0, 3, 1);
    for (std::int32_t conductor = 1; conductor < 3; ++conductor) {
      const std::vector<TestPatch> plate = TiledRectangle(conductor, 0, 0, 300, 100, 50.5 * conductor, 3, 1);
      patches.insert(patches.end(), plate.begin(), plate.end());
    }
    return patches;
  }()));
  ASSERT_EQ(Run(), 0);
  const std::string y = *ReadResult("y2p");
  const std::string ckt = *ReadResult("ckt");
  const Matrix b = ReadMaxwellMatrix();

  const std::string previous = std::setlocale(LC_ALL, nullptr);
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no German locale here";
  const std::int32_t error = Run();
  std::setlocale(LC_ALL, previous.c_str());
  ASSERT_EQ(error, 0);
  EXPECT_EQ(*ReadResult("y2p"), y);
  EXPECT_EQ(*ReadResult("ckt"), ckt);
  EXPECT_EQ(ReadMaxwellMatrix(), b);
}

TEST_F(TessmorStage, OneConductorGivesAFrequencyOnlyYFileAndAnEmptyCktFile) {
  WriteListing(ListingText(1, TiledRectangle(0, 0, 0, 1000, 1000, 0, 4, 4)));
  ASSERT_EQ(Run(), 0);
  EXPECT_EQ(ReadResult("y0p"), "# GHZ Y RI R 1\n1.00000e+00\n");
  EXPECT_EQ(ReadResult("ckt"), "");
  const Matrix b = ReadMaxwellMatrix();
  ASSERT_EQ(b.size(), 1u);
  EXPECT_GT(b[0][0], 0.0);
}

TEST_F(TessmorStage, ElevenConductorsNameTheYFileWithoutTheP) {
  std::vector<TestPatch> patches;
  for (std::int32_t conductor = 0; conductor < 11; ++conductor) {
    const std::vector<TestPatch> strip = TiledRectangle(conductor, 200.0 * conductor, 0, 100, 1000, 0, 1, 4);
    patches.insert(patches.end(), strip.begin(), strip.end());
  }
  WriteListing(ListingText(11, patches));
  job.FrequencySteps = 2;
  job.FrequencyStop = 3.0;
  ASSERT_EQ(Run(), 0);
  EXPECT_FALSE(std::filesystem::exists(Result("y10p")));
  const std::optional<std::string> y = ReadResult("y10");
  ASSERT_TRUE(y.has_value());
  // The option line, then for each of three points 10 rows of 3 lines.
  EXPECT_EQ(std::count(y->begin(), y->end(), '\n'), 1 + 3 * 30);
  EXPECT_NE(y->find("\n3.00000e+00"), std::string::npos);
  const std::string ckt = *ReadResult("ckt");
  EXPECT_EQ(std::count(ckt.begin(), ckt.end(), '\n'), 10 * 11 / 2);
  ExpectMaxwellMatrix(ReadMaxwellMatrix(), 1e-3);
}

// The kernel leaves out edges shorter than a twentieth of its scale; with
// no feature distance the scale is the shortest edge of the listing, so the
// short edge of this sliver counts.
TEST_F(TessmorStage, WithoutAFeatureDistanceTheShortestEdgeScalesTheKernel) {
  std::vector<TestPatch> patches = TiledRectangle(0, 0, 0, 1000, 1000, 0, 4, 4);
  patches.push_back({0, {{1000, 0, 0}, {1001, 0, 0}, {1001, 1000, 0}, {1000, 1000, 0}}});
  WriteListing(ListingText(1, patches));
  job.MinFeatureDistance = -1.0;
  ASSERT_EQ(Run(), 0);
  const Matrix byShortestEdge = ReadMaxwellMatrix();

  job.MinFeatureDistance = 2.0;
  job.Resolution = 2.0;
  ASSERT_EQ(Run(), 0);
  EXPECT_EQ(ReadMaxwellMatrix(), byShortestEdge) << "a step of 1, the shortest edge";

  job.MinFeatureDistance = 250.0;
  job.Resolution = 1.0;
  ASSERT_EQ(Run(), 0);
  EXPECT_NE(ReadMaxwellMatrix(), byShortestEdge) << "a step of 250 drops the sliver's short edges";
}

TEST_F(TessmorStage, RefusesA6001PatchListingFromItsCounts) {
  WriteListing("2\n3000\n3001\n0\n");
  EXPECT_EQ(Run(), static_cast<std::int32_t>(ComputeError::TooManyPatchesInListing));
  ExpectNoResults();
  WriteListing("22\n");
  EXPECT_EQ(Run(), static_cast<std::int32_t>(ComputeError::ConductorIndexOutOfRange));
  std::filesystem::remove(Result("lst"));
  EXPECT_EQ(Run(), static_cast<std::int32_t>(ComputeError::ProjectFileNotOpened)) << "no listing";
  ExpectNoResults();
}

// A conductor without a patch would take no charge: zeros are no result.
TEST_F(TessmorStage, AConductorWithoutPatchesIsNamedAndGetsNoResults) {
  WriteListing(ListingText(3, ParallelPlates(2)));
  EXPECT_EQ(Run(), static_cast<std::int32_t>(ComputeError::ConductorWithoutPatch));
  EXPECT_EQ(job.ErrorConductorIndex, 2);
  ExpectNoResults();
}

// A cancelled run fails wherever it stops, and takes the results of an
// earlier run with it: nothing left could pass for this run's results.
TEST_F(TessmorStage, ACancelledRunEndsWith38AndLeavesNoResultFiles) {
  WriteListing(ListingText(2, ParallelPlates(28)));
  ASSERT_EQ(Run(), 0);
  ASSERT_TRUE(std::filesystem::exists(Result("dat")));

  EXPECT_EQ(RunCancelledWhen([] { return true; }), kSolveFailed);
  ExpectNoResults();

  ASSERT_EQ(Run(), 0);
  EXPECT_EQ(RunCancelledWhen([this] { return job.Progress.load() > 0; }), kSolveFailed) << "during the fill";
  ExpectNoResults();
  EXPECT_EQ(RunCancelledWhen([this] { return job.SolveProgress.load() > 0; }), kSolveFailed)
      << "during the factorisation";
  ExpectNoResults();
}

// The Y file's points are computed as they are written: the bar moves from
// the sweep's first percent on, and a cancel stops it.
TEST_F(TessmorStage, ASweepMovesTheBarAndStopsOnCancel) {
  WriteListing(ListingText(2, ParallelPlates(2)));
  job.FrequencyStop = 10.0;
  job.FrequencySteps = 10000000;
  EXPECT_EQ(RunCancelledWhen([this] { return job.SolveProgress.load() > 0; }), kSolveFailed)
      << "8 unknowns take no block of the factorisation: only the sweep moves the bar";
  ExpectNoResults();
}

// A sweep that fills the disk ends like any write that fails.
TEST_F(TessmorStage, ASweepThatFillsTheDiskEndsWith40) {
  WriteListing(ListingText(2, ParallelPlates(2)));
  job.FrequencyStop = 10.0;
  job.FrequencySteps = std::numeric_limits<std::int32_t>::max();
  const int outcome = quor::test::RunWithFileSizeLimit(1 << 20, [this] {
    const std::int32_t error = Run();
    return error == 40 && std::string_view(job.ErrorFileExtension) != "y1p" ? 1 : error;
  });
  EXPECT_EQ(outcome, 40) << "1: another file named";
  ExpectNoResults();
}

// When a result file cannot be put in place, those already put in place are
// taken back and the earlier run's files restored: the set on disk is one
// run's, never a mix of two.
TEST_F(TessmorStage, AResultThatCannotBePutInPlaceLeavesTheEarlierSet) {
  WriteListing(ListingText(2, ParallelPlates(2)));
  const auto writeEarlierSet = [this] {
    for (const char* extension : {"dat", "y1p", "ckt"}) {
      quor::test::WriteFile(Result(extension), std::string("earlier ") + extension);
    }
  };
  const auto expectEarlier = [this](std::initializer_list<const char*> extensions) {
    for (const char* extension : extensions) {
      EXPECT_EQ(ReadResult(extension), std::string("earlier ") + extension) << extension;
    }
    for (const std::string& name : FolderContents()) {
      EXPECT_EQ(name.find(".part"), std::string::npos) << name;
      EXPECT_EQ(name.find(".previous"), std::string::npos) << name;
    }
  };

  // The earlier .ckt cannot be moved aside.
  writeEarlierSet();
  FailRenamesFrom(".ckt");
  EXPECT_EQ(Run(), 40);
  FailRenamesFrom(nullptr);
  EXPECT_STREQ(job.ErrorFileExtension, "ckt");
  expectEarlier({"dat", "y1p", "ckt"});

  // A folder where the .dat goes, the last file put in place.
  std::filesystem::remove(Result("dat"));
  std::filesystem::create_directories(Result("dat") / "in use");
  EXPECT_EQ(Run(), 40);
  EXPECT_STREQ(job.ErrorFileExtension, "dat");
  expectEarlier({"y1p", "ckt"});

  std::filesystem::remove_all(Result("dat"));
  writeEarlierSet();
  ASSERT_EQ(Run(), 0);
  EXPECT_EQ(FolderContents(), (std::vector<std::string>{"board.ckt", "board.dat", "board.lst", "board.y1p"}));
  EXPECT_EQ(ReadResult("ckt")->substr(0, 11), "CAP 1 0 c= ") << "this run's set replaced the earlier one";
}

// A result file that cannot even be started ends the run before any solve.
TEST_F(TessmorStage, AResultFileThatCannotBeCreatedIsNamed) {
  UseBasePath(m_folder / "gone" / "board");
  EXPECT_EQ(Run(), 40);
  EXPECT_STREQ(job.ErrorFileExtension, "dat");
  EXPECT_EQ(job.Progress.load(), 0);
}

// Whatever a kill during the commit leaves, a .dat stands only beside the
// whole set of its own run; the next run clears what the killed one left.
TEST_F(TessmorStage, AKillDuringTheCommitLeavesTheEarlierSetOrNoDat) {
  struct Set {
    std::optional<std::string> ckt, y1p;
  };
  const auto runOn = [this](int cells) {
    WriteListing(ListingText(2, ParallelPlates(cells)));
    EXPECT_EQ(Run(), 0);
    return Set{ReadResult("ckt"), ReadResult("y1p")};
  };
  const Set later = runOn(3);
  for (int renames = 1;; ++renames) {
    const Set earlier = runOn(2);
    EXPECT_EQ(FolderContents(),
              (std::vector<std::string>{"board.ckt", "board.dat", "board.lst", "board.y1p"}))
        << "after a kill at rename " << renames - 1;
    WriteListing(ListingText(2, ParallelPlates(3)));
    const int status = RunKilledAfterRenames(renames);
    if (const std::optional<std::string> dat = ReadResult("dat")) {
      const Set& expected = dat->find("unknowns 18\n") != std::string::npos ? later : earlier;
      EXPECT_EQ(ReadResult("ckt"), expected.ckt) << "killed at rename " << renames;
      EXPECT_EQ(ReadResult("y1p"), expected.y1p) << "killed at rename " << renames;
    }
    if (WIFEXITED(status)) {
      EXPECT_EQ(WEXITSTATUS(status), 0);
      EXPECT_GT(renames, 6) << "three files moved aside and three put in place";
      break;
    }
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
  }
  quor::solver::StagedResultSet running(m_base.string());
  running.Add(Result("dat").string()) << "a run still going";
  const std::vector<std::string> withRunning = FolderContents();
  runOn(2);
  EXPECT_EQ(FolderContents(), withRunning) << "its temporary file stays";
}

// A patch without area carries no potential: its column is zero.
TEST_F(TessmorStage, ASingularSystemEndsWith38) {
  std::vector<TestPatch> patches = TiledRectangle(0, 0, 0, 1000, 1000, 0, 3, 3);
  patches.push_back({0, {{500, 500, 50}, {500, 500, 50}, {500, 500, 50}}});
  WriteListing(ListingText(1, patches));
  EXPECT_EQ(Run(), kSolveFailed);
  ExpectNoResults();
}

// Potentials beyond single precision make the system meaningless.
TEST_F(TessmorStage, ANonFiniteMatrixEndsWith38) {
  WriteListing(ListingText(1, TiledRectangle(0, 0, 0, 1e30, 1e30, 0, 2, 2)));
  EXPECT_EQ(Run(), kSolveFailed);
  ExpectNoResults();
}

// A wall standing on a plate puts the plate's patch centres on the wall's
// lower edge, where the field's logarithm has no value; the plate lies
// between two dielectrics, so its charge needs that field.
TEST_F(TessmorStage, ACentreOnAnotherPatchsEdgeGivesFiniteResults) {
  std::vector<TestPatch> patches = TiledRectangle(0, 0, 0, 200, 200, 0, 2, 2);
  for (TestPatch& patch : patches) patch.epsA = 4.0;
  patches.push_back({0, {{50, 0, 0}, {50, 200, 0}, {50, 200, 100}, {50, 0, 100}}, 4.0, 1.0});
  patches.push_back({1, {{0, 0, 300}, {200, 0, 300}, {200, 200, 300}, {0, 200, 300}}});
  WriteListing(ListingText(2, patches));
  ASSERT_EQ(Run(), 0);
  const Matrix b = ReadMaxwellMatrix();
  ASSERT_EQ(b.size(), 2u);
  for (const auto& row : b) {
    for (const double value : row) EXPECT_TRUE(std::isfinite(value));
  }
}

TEST_F(TessmorStage, RunsAgainAProjectWithTheLongestName) {
  UseBasePath(m_folder / std::string(251, 'b'));
  WriteListing(ListingText(2, ParallelPlates(2)));
  for (int run = 0; run < 2; ++run) {
    ASSERT_EQ(Run(), 0) << "run " << run;
    EXPECT_EQ(FolderContents().size(), 4u);
  }
}

TEST_F(TessmorStage, TakesBasePathsOfAnyLength) {
  std::filesystem::path folder = m_folder;
  for (int level = 0; level < 6; ++level) folder /= std::string(60, static_cast<char>('a' + level));
  std::filesystem::create_directories(folder);
  UseBasePath(folder / (std::string(150, 'b') + ".v1.2"));
  WriteListing(ListingText(2, ParallelPlates(2)));
  ASSERT_EQ(Run(), 0);
  EXPECT_TRUE(std::filesystem::exists(Result("dat")));
  EXPECT_TRUE(std::filesystem::exists(Result("y1p")));
  EXPECT_TRUE(std::filesystem::exists(Result("ckt")));
}

// At the most unknowns the fill's share of rows done times 100 passes the
// 32-bit range; the bar must still only rise, to 100.
TEST_F(TessmorStage, ProgressRisesMonotonicallyTo100AtTheLimitOf6000Unknowns) {
  WriteListing(ListingText(1, TiledRectangle(0, 0, 0, 7500, 8000, 0, 75, 80)));
  std::vector<std::int32_t> seen;
  ASSERT_EQ(RunCancelledWhen([&] {
              const std::int32_t progress = job.Progress.load();
              if (seen.empty() || seen.back() != progress) seen.push_back(progress);
              return false;
            }),
            0);
  EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
  EXPECT_GE(seen.front(), 0);
  EXPECT_EQ(job.Progress.load(), 100);
  EXPECT_NE(ReadResult("dat")->find("Total number of unknowns 6000\n"), std::string::npos);
}

}  // namespace
