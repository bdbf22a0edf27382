// The patches of a segmentation run, in groups: one per conductor, then the
// dielectric interfaces last. Each patch remembers the plate it came from,
// whose permittivities the listing gives it.
#pragma once

#include <cstdint>
#include <vector>

#include "tessmor/Polygon.h"

namespace quor::solver {

class SegmentPatchStore {
 public:
  // No group may hold more patches: the solver's system is sized for this many unknowns.
  static constexpr std::int32_t kMaxPatchesPerGroup = 6000;

  struct Patch {
    Polygon polygon;
    std::int32_t plateIndex = 0;
  };

  // Groups 0..conductorCount-1 for the conductors, conductorCount for the dielectric.
  explicit SegmentPatchStore(std::int32_t conductorCount);

  // Throws ComputeError::TooManyPatches when the group is full.
  void Add(std::int32_t group, Polygon polygon, std::int32_t plateIndex);

  std::int32_t GroupCount() const { return static_cast<std::int32_t>(m_groups.size()); }
  const std::vector<Patch>& Group(std::int32_t group) const;
  std::int32_t Total() const;
  // The patches of conductor 0, 1, ...: every group but the dielectric one.
  std::vector<std::int32_t> ConductorPatchCounts() const;

 private:
  std::vector<std::vector<Patch>> m_groups;
};

}  // namespace quor::solver
