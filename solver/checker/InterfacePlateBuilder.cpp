#include "solver/checker/InterfacePlateBuilder.h"

#include "solver/PointLocation.h"
#include "solver/checker/CheckFailure.h"

namespace quor::solver {

namespace {

// Twenty polygons on a layer nest at most twenty deep inside the footprint.
constexpr int kMaxNestingLevel = 20;

using ContainmentTable = std::vector<std::vector<bool>>;

// inside[q][c]: every vertex of slot c lies inside or on slot q.
ContainmentTable ContainmentOf(const std::vector<CheckerProject::Slot>& slots, double t) {
  ContainmentTable inside(slots.size(), std::vector<bool>(slots.size(), false));
  for (std::size_t q = 0; q < slots.size(); ++q) {
    for (std::size_t c = 1; c < slots.size(); ++c) {
      if (c != q) inside[q][c] = AllVerticesInside(slots[q].polygon, slots[c].polygon, t);
    }
  }
  return inside;
}

// The slots that lie inside g and inside no other slot still in play. The
// footprint, which holds every slot, does not count as such another slot.
std::vector<std::size_t> ChildrenOf(std::size_t g, const ContainmentTable& inside,
                                    const std::vector<bool>& used) {
  std::vector<std::size_t> children;
  const std::size_t count = used.size();
  for (std::size_t c = 1; c < count; ++c) {
    if (used[c] || c == g || !inside[g][c]) continue;
    bool deeper = false;
    for (std::size_t q = 1; q < count && !deeper; ++q) {
      deeper = q != g && q != c && !used[q] && inside[q][c];
    }
    if (!deeper) children.push_back(c);
  }
  return children;
}

void AppendLayerPlates(const CheckerProject& project, std::size_t j, ComputeJob& job,
                       std::vector<Plate>& plates) {
  const auto& slots = project.layers[j].slots;
  const ContainmentTable inside = ContainmentOf(slots, project.tolerance);
  const double epsA = project.PermittivityAbove(j);
  const double epsB = project.layers[j].er;
  std::vector<bool> used(slots.size(), false);
  std::vector<std::size_t> level{0};
  for (int nesting = 0; nesting <= kMaxNestingLevel && !level.empty(); ++nesting) {
    const bool conductor = nesting % 2 == 1;
    std::vector<std::size_t> next;
    for (const std::size_t g : level) {
      const std::vector<std::size_t> children = ChildrenOf(g, inside, used);
      std::vector<Polygon> outline{slots[g].polygon};
      for (const std::size_t c : children) {
        if (conductor && slots[c].conductorIndex != slots[g].conductorIndex) {
          FailCheck(job, ComputeError::NestedConductorIndex,
                    {.polygonId = slots[g].shapeId,
                     .polygonId2 = slots[c].shapeId,
                     .layerIndex = static_cast<std::int32_t>(j)});
        }
        Polygon hole = slots[c].polygon;
        outline.push_back(hole.Reversed());
      }
      const std::int32_t index = conductor ? slots[g].conductorIndex : project.conductorCount;
      plates.emplace_back(outline, index, epsA, epsB);
      if (nesting > 0) used[g] = true;
      next.insert(next.end(), children.begin(), children.end());
    }
    level = std::move(next);
  }
}

}  // namespace

void AppendInterfacePlates(const CheckerProject& project, ComputeJob& job, std::vector<Plate>& plates) {
  for (std::size_t j = 0; j < project.layers.size(); ++j) AppendLayerPlates(project, j, job, plates);
}

}  // namespace quor::solver
