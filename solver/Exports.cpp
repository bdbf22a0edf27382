// The library's five entry points: thin shells around the stage frame and the
// polygon operations.
#include <cassert>
#include <span>

#include "solver/CheckerStage.h"
#include "solver/PolygonMerge.h"
#include "solver/PolygonSubtraction.h"
#include "solver/SegmentStage.h"
#include "solver/StageFrame.h"
#include "solver/TessmorStage.h"
#include "tessmor/Polygon.h"
#include "tessmor/Tessmor.h"

using quor::solver::CheckerStage;
using quor::solver::RunStage;
using quor::solver::SegmentStage;
using quor::solver::StageKind;
using quor::solver::TessmorStage;

int Checker(ComputeJob* job) {
  return RunStage(job, StageKind::Checker, CheckerStage);
}

int Segment(ComputeJob* job) {
  return RunStage(job, StageKind::Segment, SegmentStage);
}

int Tessmor(ComputeJob* job) {
  return RunStage(job, StageKind::Tessmor, TessmorStage);
}

int Subtract(const Polygon* a, const Polygon* b, Point3* out, std::int32_t* count, double tolerance) {
  assert(a != nullptr && b != nullptr && count != nullptr && "Subtract needs both polygons and a count");
  const std::size_t capacity = out == nullptr || *count < 0 ? 0 : static_cast<std::size_t>(*count);
  return static_cast<int>(
      quor::solver::KeyholeSubtract(*a, *b, std::span<Point3>(out, capacity), *count, tolerance));
}

int Merge(Polygon* a, Polygon* b, double tolerance) {
  assert(a != nullptr && b != nullptr && "Merge needs both polygons");
  return static_cast<int>(quor::solver::MergeOutlines(*a, *b, tolerance));
}
