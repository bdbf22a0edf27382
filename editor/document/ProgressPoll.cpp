#include "editor/document/ProgressPoll.h"

#include "tessmor/ComputeJob.h"

namespace quor {

namespace {

constexpr int kFull = 100;

}  // namespace

ProgressPoll::ProgressPoll(const std::string& exportName) : m_hasSolve(exportName == "Tessmor") {}

ProgressPoll::Tick ProgressPoll::Poll(const ComputeJob& job) {
  // Acquire: what the stage stored before DoneFlag is visible once it is seen.
  if (job.DoneFlag.load(std::memory_order_acquire) != 0) return {true, 0, false};
  const int progress = job.Progress.load(std::memory_order_relaxed);
  if (!m_hasSolve || (!m_secondPhase && progress < kFull)) return {false, progress, false};
  const bool solveBegins = !m_secondPhase;
  m_secondPhase = true;
  return {false, job.SolveProgress.load(std::memory_order_relaxed), solveBegins};
}

}  // namespace quor
