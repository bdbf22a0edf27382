#include "solver/StageFrame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <new>
#include <string>
#include <thread>
#include <utility>

#include "support/TempDir.h"
#include "support/TestFiles.h"
#include "tessmor/PatchError.h"

namespace quor::solver {
namespace {

constexpr std::int32_t kUntouched = -7;

void Prepare(ComputeJob& job) {
  job.RunFlag = 1;
  job.Error = kUntouched;
  job.NumberOfUnknowns = kUntouched;
}

TEST(StageFrameTest, ThrownCodesAndOtherExceptionsBecomeTheErrorCode) {
  struct Case {
    void (*body)(ComputeJob&);
    std::int32_t error;
  };
  const Case cases[] = {
      {[](ComputeJob&) {}, 0},
      {[](ComputeJob&) { throw QUOR_error::error::GroundMissing; }, 21},
      {[](ComputeJob&) { throw patch::errorPatch::AllocationFailed; }, 100},
      {[](ComputeJob&) { throw std::bad_alloc(); }, 100},
      {[](ComputeJob&) { throw 38; }, 100},
  };
  for (const Case& c : cases) {
    for (const StageKind kind : {StageKind::Checker, StageKind::Segment, StageKind::Tessmor}) {
      ComputeJob job;
      Prepare(job);
      EXPECT_EQ(RunStage(&job, kind, c.body), 0);
      EXPECT_EQ(job.Error, c.error);
      EXPECT_EQ(job.DoneFlag.load(), kind == StageKind::Checker ? 0 : 1);
      EXPECT_EQ(job.NumberOfUnknowns, kind == StageKind::Segment ? 0 : kUntouched);
    }
  }
  EXPECT_EQ(RunStage(nullptr, StageKind::Tessmor, [](ComputeJob&) {}), -1);
}

// The caller names the file by the base path and the extension the frame
// leaves in the job; a longer extension is cut to what the field holds.
TEST(StageFrameTest, AnOutputFileFailureIsCode40WithTheFilesExtension) {
  const std::pair<const char*, std::string> cases[] = {
      {"/p/v1.2/board.dat", "dat"}, {"/p/board.y10", "y10"}, {"/p/board.abcdefghij", "abcdefg"}};
  for (const auto& [path, extension] : cases) {
    ComputeJob job;
    Prepare(job);
    std::fill(std::begin(job.ErrorFileExtension), std::end(job.ErrorFileExtension), 'x');
    RunStage(&job, StageKind::Tessmor, [&](ComputeJob&) { QUOR_error::FailOutputFile(path); });
    EXPECT_EQ(job.Error, 40) << path;
    EXPECT_EQ(std::string(job.ErrorFileExtension), extension);
    EXPECT_EQ(job.DoneFlag.load(), 1);
  }
}

TEST(StageFrameTest, SegmentStoresTheCountItsBodyReturns) {
  ComputeJob job;
  Prepare(job);
  RunStage(&job, StageKind::Segment, [](ComputeJob&) { return std::int32_t{1234}; });
  EXPECT_EQ(job.Error, 0);
  EXPECT_EQ(job.NumberOfUnknowns, 1234);
  EXPECT_EQ(job.DoneFlag.load(), 1);
}

// A poller on another thread, like the editor's progress dialog, that sees
// DoneFlag must find the outcome stored and the stage's files complete.
TEST(StageFrameTest, PollerThatSeesDoneFindsOutcomeAndClosedFiles) {
  const quor::test::TempDir scratch("quor-stage-frame-");
  const std::filesystem::path file = scratch.Path() / "stage.txt";
  const std::string content(1 << 16, 'x');
  for (int round = 0; round < 50; ++round) {
    const bool fail = round % 2 == 1;
    ComputeJob job;
    Prepare(job);
    std::int32_t seenError = kUntouched;
    std::int32_t seenUnknowns = kUntouched;
    std::string seenContent;
    std::thread poller([&] {
      while (job.DoneFlag.load(std::memory_order_acquire) == 0) std::this_thread::yield();
      seenError = job.Error;
      seenUnknowns = job.NumberOfUnknowns;
      seenContent = quor::test::ReadFileIfExists(file).value_or("");
    });
    RunStage(&job, StageKind::Segment, [&](ComputeJob&) {
      std::ofstream out(file, std::ios::binary | std::ios::trunc);
      out << content;
      if (fail) throw QUOR_error::error::TooManyPatches;
      return std::int32_t{round + 1};
    });
    poller.join();
    EXPECT_EQ(seenError, fail ? 23 : 0);
    EXPECT_EQ(seenUnknowns, fail ? 0 : round + 1);
    EXPECT_EQ(seenContent.size(), content.size());
  }
}

}  // namespace
}  // namespace quor::solver
