// A plate file as Segment reads and meshes it, writing the listing. The grid
// step follows the plates' size, about 50 cells across the largest, so that
// the fuzzer spends its time on the reader and the mesher's cases rather than
// on the 3000 x 3000 grids of plates far larger than their features (those
// are replayed from the seeds and tested on their own).
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <fstream>

#include "fuzz/FuzzSupport.h"
#include "fuzz/StageRun.h"
#include "solver/SegmentStage.h"
#include "solver/segment/SegmentPlateReader.h"

using quor::solver::Plate;
using quor::solver::ReadPlateFile;
using quor::solver::SegmentPlateFile;
using quor::solver::SegmentStage;
using quor::solver::StageKind;

namespace {

constexpr double kCellsAcross = 50.0;

// The largest distance along x, y or z of an outline's vertex from its first
// one (at least half the plate's extent); 0 when the file does not read.
double LargestExtent(const std::filesystem::path& path) {
  std::ifstream in(path);
  SegmentPlateFile file;
  try {
    file = ReadPlateFile(in);
  } catch (ComputeError) {
    return 0.0;
  }
  double largest = 0.0;
  for (const Plate& plate : file.plates) {
    const auto vertices = plate.outline.front().Vertices();
    const Point3& first = vertices.front();
    for (const Point3& p : vertices) {
      largest =
          std::max({largest, std::fabs(p.x - first.x), std::fabs(p.y - first.y), std::fabs(p.z - first.z)});
    }
  }
  return largest;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::filesystem::path path = quor::fuzz::WriteScratchFile("stage.sg1", data, size);
  quor::fuzz::StageJob stage;
  const double step = 2.0 * LargestExtent(path) / kCellsAcross;
  if (step > stage.job.MinFeatureDistance && std::isfinite(step)) stage.job.MinFeatureDistance = step;
  quor::fuzz::RunStageChecked(stage, StageKind::Segment, SegmentStage);
  return 0;
}
