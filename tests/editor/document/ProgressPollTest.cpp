// What the progress dialog shows at its ticks: Segment's one percentage, and
// Tessmor's fill followed, once, by the solve.
#include "editor/document/ProgressPoll.h"

#include <gtest/gtest.h>

#include "tessmor/ComputeJob.h"

namespace quor {
namespace {

struct Shown {
  bool done;
  int bar;
  bool solveBegins;
  friend bool operator==(const Shown&, const Shown&) = default;
};

Shown Tick(ProgressPoll& poll, ComputeJob& job, int progress, int solve, int done = 0) {
  job.Progress = progress;
  job.SolveProgress = solve;
  job.DoneFlag = done;
  const ProgressPoll::Tick tick = poll.Poll(job);
  return {tick.done, tick.bar, tick.solveBegins};
}

TEST(ProgressPollTest, TessmorSwitchesToTheSolveOnceAndSegmentNever) {
  ComputeJob job;
  ProgressPoll tessmor("Tessmor");
  EXPECT_EQ(Tick(tessmor, job, 40, 0), (Shown{false, 40, false}));
  EXPECT_EQ(Tick(tessmor, job, 100, 5), (Shown{false, 5, true}));
  EXPECT_EQ(Tick(tessmor, job, 100, 60), (Shown{false, 60, false}));
  EXPECT_EQ(Tick(tessmor, job, 100, 60, 1), (Shown{true, 0, false}));

  ProgressPoll segment("Segment");
  EXPECT_EQ(Tick(segment, job, 100, 30), (Shown{false, 100, false}));
  EXPECT_EQ(Tick(segment, job, 100, 30, 1), (Shown{true, 0, false}));
}

}  // namespace
}  // namespace quor
