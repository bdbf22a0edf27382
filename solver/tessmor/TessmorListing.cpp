#include "solver/tessmor/TessmorListing.h"

#include <istream>

#include "solver/QuorError.h"
#include "solver/TextNumbers.h"

namespace quor::solver {

namespace {

// Conductor indices run from 0 to 20.
constexpr std::int32_t kMaxConductors = 21;
constexpr std::int32_t kMinVertices = 3;

void Require(bool condition, ComputeError error) {
  if (!condition) throw error;
}

void RequireRead(bool read) {
  Require(read, ComputeError::ProjectFileNotOpened);
}

// The patch counts of the conductor groups and of the dielectric group,
// summed wide so that no count can wrap the total.
std::vector<std::int32_t> ReadGroupCounts(std::istream& in, std::int32_t conductorCount) {
  std::vector<std::int32_t> counts(static_cast<std::size_t>(conductorCount) + 1);
  std::int64_t total = 0;
  for (std::int32_t& count : counts) {
    RequireRead(ReadInteger(in, count) && count >= 0);
    total += count;
  }
  Require(total <= kMaxUnknowns, ComputeError::TooManyPatchesInListing);
  return counts;
}

ListingPatch ReadPatch(std::istream& in, std::int32_t group) {
  ListingPatch patch;
  patch.conductor = group;
  patch.polygon.Read(in);
  RequireRead(!in.fail() && patch.polygon.Count() >= kMinVertices);
  RequireRead(ReadReal(in, patch.epsA) && ReadReal(in, patch.epsB));
  return patch;
}

}  // namespace

TessmorListing ReadTessmorListing(std::istream& in, const std::atomic<std::int32_t>& run) {
  TessmorListing listing;
  RequireRead(ReadInteger(in, listing.conductorCount));
  Require(listing.conductorCount >= 1 && listing.conductorCount <= kMaxConductors,
          ComputeError::ConductorIndexOutOfRange);
  const std::vector<std::int32_t> counts = ReadGroupCounts(in, listing.conductorCount);
  listing.patchCounts.assign(counts.begin(), counts.end() - 1);
  for (const std::int32_t count : listing.patchCounts) listing.conductorPatchCount += count;

  const std::int32_t unknowns = listing.conductorPatchCount + counts.back();
  listing.patches.reserve(static_cast<std::size_t>(unknowns));
  for (std::int32_t group = 0; group <= listing.conductorCount; ++group) {
    for (std::int32_t i = 0; i < counts[static_cast<std::size_t>(group)]; ++i) {
      if (run.load() == 0) return listing;
      listing.patches.push_back(ReadPatch(in, group));
    }
  }
  return listing;
}

}  // namespace quor::solver
