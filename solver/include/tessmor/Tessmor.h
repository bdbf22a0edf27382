// The computation library libTessmor.so: its five exports, as the editor and
// the batch runner look them up by name at run time.
#pragma once

#include <cstdint>

#include "tessmor/ComputeJob.h"
#include "tessmor/Point3.h"

class Polygon;

#define TESSMOR_EXPORT __attribute__((visibility("default")))

inline constexpr const char* kTessmorLibraryName = "libTessmor.so";

enum class SubtractResult : int {
  Done = 0,
  PartialOverlap = 1,  // the polygons overlap only partly
  Disjoint = 2,        // neither lies inside the other
  OutputTooSmall = 3,  // the output array cannot hold the result
};

enum class MergeResult : int {
  Merged = 0,
  OutlinesCross = 1,
  NoCommonEdge = 2,
};

extern "C" {

// The three stages. Each returns 0 and answers in job->Error (a ComputeError
// value); Segment also in job->NumberOfUnknowns. Segment and Tessmor set
// job->DoneFlag = 1 as their last store, so either may run as the procedure of
// a worker thread that the caller polls; Checker runs on the caller's thread.
TESSMOR_EXPORT int Checker(ComputeJob* job);
TESSMOR_EXPORT int Segment(ComputeJob* job);
TESSMOR_EXPORT int Tessmor(ComputeJob* job);

// Cuts the one of a and b that lies inside the other out of it and writes the
// keyhole outline to out: *count goes in as the capacity of out and comes back
// as the number of vertices written (count(a) + count(b) + 2), or as the
// number needed with OutputTooSmall. Returns a SubtractResult. tolerance is
// the distance within which points coincide. Throws patch::errorPatch when a
// copy of a polygon cannot be allocated.
TESSMOR_EXPORT int Subtract(const Polygon* a, const Polygon* b, Point3* out, std::int32_t* count,
                            double tolerance);

// Joins a and b, which share part of an edge, into a; returns a MergeResult.
// Both may be re-oriented in place. Throws patch::errorPatch as Subtract does.
TESSMOR_EXPORT int Merge(Polygon* a, Polygon* b, double tolerance);

}  // extern "C"

using StageExport = int (*)(ComputeJob*);
using SubtractExport = decltype(&Subtract);
using MergeExport = decltype(&Merge);
