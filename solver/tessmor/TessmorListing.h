// The segmentation listing as the solver reads it: the patches in the
// listing's order (conductor 0's first, then each further conductor's, the
// dielectric interfaces last), each with its conductor and permittivities.
#pragma once

#include <atomic>
#include <cstdint>
#include <iosfwd>
#include <vector>

#include "tessmor/Polygon.h"

namespace quor::solver {

struct ListingPatch {
  Polygon polygon;
  std::int32_t conductor = 0;  // the conductor count for a dielectric interface patch
  double epsA = 1.0;           // relative permittivity on the side the normal points to
  double epsB = 1.0;           // and on the other side
};

struct TessmorListing {
  std::int32_t conductorCount = 0;
  std::int32_t conductorPatchCount = 0;   // the patches before the dielectric ones
  std::vector<std::int32_t> patchCounts;  // of conductor 0, 1, ...
  std::vector<ListingPatch> patches;
};

// The most unknowns the solver takes: the dense system grows with their square.
inline constexpr std::int32_t kMaxUnknowns = 6000;

// Every count is checked before it sizes anything: a conductor count outside
// 1..21 throws ConductorIndexOutOfRange, more than kMaxUnknowns patches in all
// TooManyPatchesInListing (before any patch is read), and text that is not a
// listing (a missing file included) ProjectFileNotOpened. Reading stops early,
// with the patches read so far, when `run` reads 0.
TessmorListing ReadTessmorListing(std::istream& in, const std::atomic<std::int32_t>& run);

}  // namespace quor::solver
