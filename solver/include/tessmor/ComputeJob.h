// The record a caller hands to the stage exports Checker, Segment and Tessmor.
// The caller owns it and keeps it alive while a stage runs; the stage fills it
// further and answers in it. Segment and Tessmor run on the caller's worker
// thread while its user-interface thread polls the record, so the fields that
// both threads touch during a run are atomics: the stage stores Error (and
// NumberOfUnknowns) and only then DoneFlag with release order, and a poller
// that sees DoneFlag = 1 with acquire order may read them.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <type_traits>

struct ComputeJob {
  // The project path without its extension; each stage appends its own.
  const char* BasePath = nullptr;
  double FrequencyStart = 0.0;  // in FrequencyUnit
  double FrequencyStop = 0.0;
  std::int32_t FrequencySteps = 0;
  std::int32_t FrequencyUnit = 0;  // hertz per unit: 1000, 1000000 or 1000000000
  double Refine = 0.0;
  double Resolution = 0.0;
  // Internal length units; negative when no distance was derived.
  double MinFeatureDistance = 0.0;
  double LengthUnitMetres = 0.0;
  std::atomic<std::int32_t> RunFlag = 0;   // 1 go on, 0 stop as soon as possible
  std::atomic<std::int32_t> DoneFlag = 0;  // the last store of Segment and Tessmor
  std::int32_t NumberOfUnknowns = 0;
  std::atomic<std::int32_t> Progress = 0;       // percent
  std::atomic<std::int32_t> SolveProgress = 0;  // percent
  std::int32_t ConductorCount = 0;
  std::int32_t Error = 0;  // a ComputeError value
  // Details of a failed check; written only by the failures that name them.
  std::int32_t ErrorPolygonId = 0;
  std::int32_t ErrorPolygonId2 = 0;
  std::int32_t ErrorViaId = 0;
  std::int32_t ErrorViaId2 = 0;
  std::int32_t ErrorLayerIndex = 0;
  std::int32_t ErrorLayerIndex2 = 0;
  // With ComputeError::OutputFileNotWritten: the extension, without its dot,
  // that BasePath takes to name the file ("dat", "y10", ...), NUL-terminated.
  // The fields from here on come after all the others, so that every field
  // before them keeps its place.
  char ErrorFileExtension[8] = {};
  // With ComputeError::ConductorWithoutPatch: the conductor without a patch.
  std::int32_t ErrorConductorIndex = 0;
};

static_assert(sizeof(std::atomic<std::int32_t>) == 4);
static_assert(std::atomic<std::int32_t>::is_always_lock_free);
static_assert(std::is_standard_layout_v<ComputeJob>);
static_assert(offsetof(ComputeJob, FrequencyStart) == sizeof(void*));
static_assert(offsetof(ComputeJob, FrequencySteps) - offsetof(ComputeJob, FrequencyStart) == 16);
static_assert(offsetof(ComputeJob, Refine) - offsetof(ComputeJob, FrequencyStart) == 24);
static_assert(offsetof(ComputeJob, RunFlag) - offsetof(ComputeJob, FrequencyStart) == 56);
static_assert(offsetof(ComputeJob, ErrorLayerIndex2) - offsetof(ComputeJob, RunFlag) == 48);
static_assert(offsetof(ComputeJob, ErrorFileExtension) - offsetof(ComputeJob, ErrorLayerIndex2) == 4);
static_assert(sizeof(ComputeJob::ErrorFileExtension) == 8);
static_assert(offsetof(ComputeJob, ErrorConductorIndex) - offsetof(ComputeJob, ErrorFileExtension) == 8);
