#include "solver/segment/SegmentPatchStore.h"

#include <cassert>
#include <utility>

#include "solver/QuorError.h"

namespace quor::solver {

SegmentPatchStore::SegmentPatchStore(std::int32_t conductorCount)
    : m_groups(static_cast<std::size_t>(conductorCount) + 1) {
  assert(conductorCount >= 1 && "at least the ground conductor");
}

void SegmentPatchStore::Add(std::int32_t group, Polygon polygon, std::int32_t plateIndex) {
  assert(group >= 0 && group < GroupCount() && "a conductor or the dielectric group");
  auto& patches = m_groups[static_cast<std::size_t>(group)];
  if (patches.size() >= kMaxPatchesPerGroup) throw QUOR_error::error::TooManyPatches;
  patches.push_back({std::move(polygon), plateIndex});
}

const std::vector<SegmentPatchStore::Patch>& SegmentPatchStore::Group(std::int32_t group) const {
  assert(group >= 0 && group < GroupCount() && "a conductor or the dielectric group");
  return m_groups[static_cast<std::size_t>(group)];
}

std::int32_t SegmentPatchStore::Total() const {
  std::size_t total = 0;
  for (const auto& patches : m_groups) total += patches.size();
  return static_cast<std::int32_t>(total);
}

std::vector<std::int32_t> SegmentPatchStore::ConductorPatchCounts() const {
  std::vector<std::int32_t> counts;
  for (auto group = m_groups.begin(); group + 1 != m_groups.end(); ++group) {
    counts.push_back(static_cast<std::int32_t>(group->size()));
  }
  return counts;
}

}  // namespace quor::solver
