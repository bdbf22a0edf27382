#include "solver/TessmorStage.h"

#include <cmath>
#include <ctime>
#include <fstream>
#include <new>
#include <string>
#include <vector>

#include "solver/ConductorPatches.h"
#include "solver/QuorError.h"
#include "solver/numeric/BlockedLU.h"
#include "solver/numeric/ErrorLogFile.h"
#include "solver/tessmor/CapacitanceMatrix.h"
#include "solver/tessmor/ChargeSums.h"
#include "solver/tessmor/CktFile.h"
#include "solver/tessmor/DatFile.h"
#include "solver/tessmor/FrequencySweep.h"
#include "solver/tessmor/MomentSystem.h"
#include "solver/tessmor/StagedResultSet.h"
#include "solver/tessmor/TessmorListing.h"
#include "solver/tessmor/TouchstoneYFile.h"
#include "tessmor/ComputeJob.h"

namespace quor::solver {
namespace {

// Shortest edges start from this length, longer than any structure.
constexpr double kNoEdge = 1e10;

void RequireRunning(const ComputeJob& job) {
  if (job.RunFlag.load() == 0) throw QUOR_error::error::SolveFailed;
}

double ShortestEdge(const TessmorListing& listing) {
  double shortest = kNoEdge;
  for (const ListingPatch& patch : listing.patches) {
    const auto vertices = patch.polygon.Vertices();
    for (std::size_t i = 0; i < vertices.size(); ++i) {
      shortest = std::min(shortest, (vertices[(i + 1) % vertices.size()] - vertices[i]).Length());
    }
  }
  return shortest;
}

// The kernel's tolerances follow the grid step; without a feature distance
// (or without a usable resolution) the listing's shortest edge stands in.
double KernelScale(const ComputeJob& job, const TessmorListing& listing) {
  const double step = job.MinFeatureDistance / job.Resolution;
  if (step > 0.0 && std::isfinite(step)) return step;
  return ShortestEdge(listing);
}

std::string DateLine() {
  const std::time_t now = std::time(nullptr);
  char text[32] = {};  // ctime_r's text takes 26
  if (ctime_r(&now, text) == nullptr) return "\n";
  return text;
}

long long SecondsSince(std::time_t start) {
  return static_cast<long long>(std::time(nullptr) - start);
}

// Factors the filled system and solves it for one right-hand side per
// conductor; any failure or a cancel ends the run.
std::vector<float> SolveCharges(ComputeJob& job, MomentSystem& system) {
  std::vector<float> x = system.RightHandSides();
  std::vector<std::int32_t> pivots(static_cast<std::size_t>(system.Unknowns()));
  quor::numeric::ErrorLogFile errorLog;
  const std::int32_t info =
      quor::numeric::SolveSystem(system.Unknowns(), system.ConductorCount(), system.Matrix().data(),
                                 pivots.data(), x.data(), job.SolveProgress, job.RunFlag, errorLog);
  if (info != 0) throw QUOR_error::error::SolveFailed;
  RequireRunning(job);
  return x;
}

// The Y-parameter file's points, as many as the sweep has, written one by
// one. The bar of the solve starts again and follows the points, and a
// cancel or a full disk ends the sweep at once.
void WriteSweep(ComputeJob& job, std::ostream& out, const std::string& path, const SquareMatrix& maxwell) {
  const FrequencySweep sweep(job.FrequencyStart, job.FrequencyStop, job.FrequencySteps);
  std::int32_t shown = 0;
  job.SolveProgress.store(shown);
  const auto pointWritten = [&](std::int64_t written) {
    const auto percent = static_cast<std::int32_t>(written * 100 / sweep.Count());
    if (percent != shown) job.SolveProgress.store(shown = percent);
    return job.RunFlag.load() != 0;
  };
  WriteTouchstoneYFile(out, maxwell, sweep, job.FrequencyUnit, job.LengthUnitMetres, pointWritten);
  RequireRunning(job);
  if (out.fail()) QUOR_error::FailOutputFile(path);
}

void Solve(ComputeJob& job) {
  job.Progress.store(0);
  job.SolveProgress.store(0);
  if (job.BasePath == nullptr) throw QUOR_error::error::ProjectFileNotOpened;
  const std::string basePath = job.BasePath;
  StagedResultSet results(basePath);
  std::ostream& dat = results.Add(basePath + ".dat");
  std::ostream& ckt = results.Add(basePath + ".ckt");
  std::ifstream listingFile(basePath + ".lst");
  const std::time_t start = std::time(nullptr);
  const TessmorListing listing = ReadTessmorListing(listingFile, job.RunFlag);
  listingFile.close();
  const std::string touchstonePath = TouchstoneYFileName(basePath, listing.conductorCount);
  std::ostream& touchstone = results.Add(touchstonePath);
  RequireRunning(job);
  RequireConductorPatches(job, listing.patchCounts);

  MomentSystem system(listing, KernelScale(job, listing));
  if (!system.Fill(job.Progress, job.RunFlag)) throw QUOR_error::error::SolveFailed;
  if (!system.Finite()) throw QUOR_error::error::SolveFailed;
  job.Progress.store(100);
  DatFileTimes times{.fill = SecondsSince(start)};

  const std::vector<float> charges = SolveCharges(job, system);
  const SquareMatrix maxwell = SumCharges(system, charges);
  if (!maxwell.AllFinite()) throw QUOR_error::error::SolveFailed;
  times.total = SecondsSince(start);
  times.solve = times.total - times.fill;

  WriteDatFile(dat, DateLine(), times, system.Unknowns(), maxwell, CapacitanceMatrix(maxwell),
               job.LengthUnitMetres);
  WriteSweep(job, touchstone, touchstonePath, maxwell);
  WriteCktFile(ckt, maxwell, job.LengthUnitMetres);
  results.Close();
  RequireRunning(job);
  // The .dat file was added first and goes in place last: its presence is
  // what marks a project as computed.
  results.Commit();
}

}  // namespace

void TessmorStage(ComputeJob& job) {
  try {
    Solve(job);
  } catch (const std::bad_alloc&) {
    throw QUOR_error::error::OutOfMemory;
  }
}

}  // namespace quor::solver
