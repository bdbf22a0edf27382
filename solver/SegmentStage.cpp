#include "solver/SegmentStage.h"

#include <cmath>
#include <fstream>
#include <new>
#include <string>

#include "solver/ConductorPatches.h"
#include "solver/QuorError.h"
#include "solver/segment/SegmentListingFile.h"
#include "solver/segment/SegmentPatchStore.h"
#include "solver/segment/SegmentPlateMesher.h"
#include "solver/segment/SegmentPlateReader.h"
#include "tessmor/ComputeJob.h"

namespace quor::solver {
namespace {

// Points closer than this fraction of the smallest feature coincide.
constexpr double kToleranceFraction = 0.0001;

std::int32_t Segmentation(ComputeJob& job) {
  if (job.BasePath == nullptr) throw QUOR_error::error::ProjectFileNotOpened;
  const std::string basePath = job.BasePath;
  SegmentListingFile listing(basePath + ".lst");
  std::ifstream plateFile(basePath + ".sg1");
  if (!(job.Resolution > 0.0)) throw QUOR_error::error::ResolutionNotPositive;
  if (!(job.Refine > 0.0)) throw QUOR_error::error::RefineNotPositive;
  const double tol = job.MinFeatureDistance * kToleranceFraction;

  SegmentPlateFile input = ReadPlateFile(plateFile);
  plateFile.close();
  // The grid step comes from the smallest feature; without one there is no
  // grid to mesh on, as with a resolution that is not positive.
  const double step = job.MinFeatureDistance / job.Resolution;
  if (!(step > 0.0) || !std::isfinite(step)) throw QUOR_error::error::ResolutionNotPositive;

  SegmentPatchStore patches(input.conductorCount);
  SegmentPlateMesher mesher(job, input.plates, input.conductorCount, tol, step, patches);
  if (!mesher.MeshPlates() || job.RunFlag.load() == 0) return 0;
  RequireConductorPatches(job, patches.ConductorPatchCounts());
  listing.Complete(patches, input.plates);
  return patches.Total();
}

}  // namespace

std::int32_t SegmentStage(ComputeJob& job) {
  try {
    return Segmentation(job);
  } catch (const std::bad_alloc&) {
    throw QUOR_error::error::OutOfMemory;
  }
}

}  // namespace quor::solver
