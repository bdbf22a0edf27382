// The frame every stage export runs its body in: no exception gets out, the
// outcome goes into the job record, and the stores a polling caller relies on
// come last, in a fixed order.
#pragma once

#include <cstdint>
#include <string>
#include <type_traits>

#include "solver/QuorError.h"
#include "tessmor/ComputeJob.h"

namespace quor::solver {

enum class StageKind { Checker, Segment, Tessmor };

// Error; then, for Segment, NumberOfUnknowns; then, for Segment and Tessmor,
// DoneFlag = 1 with release order. Checker runs on the caller's own thread
// and sets no done flag.
void FinishStage(ComputeJob& job, StageKind kind, std::int32_t error, std::int32_t numberOfUnknowns);

// Stores the extension of an output file that failed in ErrorFileExtension,
// cut to what the field holds.
void NameFailedOutputFile(ComputeJob& job, const std::string& extension);

// Runs body(job) and reports how it ended: the thrown code of a
// QUOR_error::error; ComputeError::OutputFileNotWritten, the file named in
// the job, for a QUOR_error::OutputFileFailure; ComputeError::Internal for
// any other exception; 0 when it returned. A body that returns a count
// (Segment) returns the number of unknowns it wrote. The body's local files are closed by the time the
// outcome is stored. Returns 0 (-1 when there is no record to answer in).
template <class Body>
int RunStage(ComputeJob* job, StageKind kind, Body body) noexcept {
  if (job == nullptr) return -1;
  std::int32_t error = 0;
  std::int32_t numberOfUnknowns = 0;
  try {
    if constexpr (std::is_void_v<std::invoke_result_t<Body&, ComputeJob&>>) {
      body(*job);
    } else {
      numberOfUnknowns = body(*job);
    }
  } catch (QUOR_error::error code) {
    error = static_cast<std::int32_t>(code);
  } catch (const QUOR_error::OutputFileFailure& failure) {
    error = static_cast<std::int32_t>(ComputeError::OutputFileNotWritten);
    NameFailedOutputFile(*job, failure.extension);
  } catch (...) {
    error = static_cast<std::int32_t>(ComputeError::Internal);
  }
  FinishStage(*job, kind, error, numberOfUnknowns);
  return 0;
}

}  // namespace quor::solver
