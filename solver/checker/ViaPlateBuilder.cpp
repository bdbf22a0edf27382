#include "solver/checker/ViaPlateBuilder.h"

#include <array>
#include <cmath>
#include <limits>
#include <numbers>
#include <span>

#include "solver/PointLocation.h"
#include "solver/SegmentGeometry.h"
#include "solver/checker/CheckFailure.h"

namespace quor::solver {

namespace {

// One layer surface that a via passes: its cross-section there and the
// conductor it joins at that height.
struct ViaLevel {
  Polygon crossSection;
  std::int32_t conductorIndex = 0;
  bool insideConductor = false;
};

struct ViaLevels {
  std::vector<ViaLevel> levels;  // from the lower layer up
  std::int32_t conductorIndex = 0;
};

// The regular n-gon around the via's axis at height z, counter-clockwise.
Polygon CrossSection(const CheckerProject::Via& via, std::int32_t segments, double z) {
  std::vector<Point3> vertices;
  vertices.reserve(static_cast<std::size_t>(segments));
  for (std::int32_t i = 0; i < segments; ++i) {
    const double angle = (i + 0.5) * 2.0 * std::numbers::pi / segments;
    vertices.push_back({via.x + via.radius * std::cos(angle), via.y + via.radius * std::sin(angle), z});
  }
  return Polygon(vertices);
}

bool EdgesCloserThan(const Polygon& a, const Polygon& b, double t) {
  const auto va = a.Vertices();
  const auto vb = b.Vertices();
  for (std::size_t i = 0; i < va.size(); ++i) {
    for (std::size_t k = 0; k < vb.size(); ++k) {
      const double distance = SegmentDistance(va[i], va[(i + 1) % va.size()], vb[k], vb[(k + 1) % vb.size()]);
      if (distance < t) return true;
    }
  }
  return false;
}

void CheckViaPairs(const CheckerProject& project, const std::vector<ViaLevels>& vias, ComputeJob& job) {
  const double t = project.tolerance;
  for (std::size_t i = 0; i < vias.size(); ++i) {
    for (std::size_t j = i + 1; j < vias.size(); ++j) {
      for (const ViaLevel& a : vias[i].levels) {
        for (const ViaLevel& b : vias[j].levels) {
          // Cross-sections lie flat, so levels this far apart in height cannot be closer.
          const double heightGap = std::fabs(a.crossSection.Vertices()[0].z - b.crossSection.Vertices()[0].z);
          if (heightGap >= t || !EdgesCloserThan(a.crossSection, b.crossSection, t)) continue;
          FailCheck(job, ComputeError::ViasIntersect,
                    {.viaId = project.vias[i].id, .viaId2 = project.vias[j].id});
        }
      }
    }
  }
}

// Finds the conductor polygon that holds the level: inside an outline and
// not in a hole of it (an odd number of nested outlines), the innermost one.
void PlaceLevel(const CheckerProject& project, const CheckerProject::Via& via, std::int32_t layerIndex,
                ViaLevel& level, ComputeJob& job) {
  const CheckerProject::Layer& layer = project.layers[static_cast<std::size_t>(layerIndex)];
  int containing = 0;
  double smallestArea = std::numeric_limits<double>::infinity();
  std::int32_t smallestIndex = project.conductorCount;
  for (std::size_t s = 1; s < layer.slots.size(); ++s) {
    const CheckerProject::Slot& slot = layer.slots[s];
    const Containment where = ClassifyContainment(slot.polygon, level.crossSection, project.tolerance);
    if (where == Containment::Partly) {
      FailCheck(job, ComputeError::ViaIntersectsPolygon, {.polygonId = slot.shapeId, .viaId = via.id});
    }
    if (where != Containment::Wholly) continue;
    ++containing;
    const double area = slot.polygon.Area();
    if (area < smallestArea) {
      smallestArea = area;
      smallestIndex = slot.conductorIndex;
    }
  }
  level.insideConductor = containing % 2 == 1;
  level.conductorIndex = level.insideConductor ? smallestIndex : project.conductorCount;
}

// The via's cross-section at every layer surface it passes, from its lower layer up.
ViaLevels LevelsOf(const CheckerProject& project, const CheckerProject::Via& via) {
  ViaLevels placed;
  for (std::int32_t layer = via.lowerLayer; layer <= via.upperLayer; ++layer) {
    const double z = project.layers[static_cast<std::size_t>(layer)].z;
    placed.levels.push_back({CrossSection(via, project.viaSegments, z), project.conductorCount, false});
  }
  return placed;
}

void PlaceVia(const CheckerProject& project, const CheckerProject::Via& via, ViaLevels& placed,
              ComputeJob& job) {
  const std::int32_t nc = project.conductorCount;
  bool joinsConductor = false;
  for (std::size_t d = 0; d < placed.levels.size(); ++d) {
    ViaLevel& level = placed.levels[d];
    PlaceLevel(project, via, via.lowerLayer + static_cast<std::int32_t>(d), level, job);
    if (level.insideConductor) {
      placed.conductorIndex = level.conductorIndex;
      joinsConductor = true;
    }
  }
  // A solid via ending in dielectric is closed by a cap of its own conductor.
  if (via.solid) {
    for (ViaLevel* end : {&placed.levels.front(), &placed.levels.back()}) {
      if (!end->insideConductor) end->conductorIndex = placed.conductorIndex;
    }
  }
  if (!joinsConductor) FailCheck(job, ComputeError::ViaWithoutConductor, {.viaId = via.id});
  for (std::size_t a = 0; a < placed.levels.size(); ++a) {
    for (std::size_t b = a + 1; b < placed.levels.size(); ++b) {
      const std::int32_t first = placed.levels[a].conductorIndex;
      const std::int32_t second = placed.levels[b].conductorIndex;
      if (first == second || first == nc || second == nc) continue;
      FailCheck(job, ComputeError::ViaShortsConductors,
                {.viaId = via.id,
                 .layerIndex = via.lowerLayer + static_cast<std::int32_t>(a),
                 .layerIndex2 = via.lowerLayer + static_cast<std::int32_t>(b)});
    }
  }
}

// A hollow via leaves a hole in the conductor it passes; a solid one closes
// its ends in the dielectric with caps.
void AddCrossSections(CheckerProject& project, const CheckerProject::Via& via, const ViaLevels& placed,
                      ComputeJob& job) {
  for (std::size_t d = 0; d < placed.levels.size(); ++d) {
    const ViaLevel& level = placed.levels[d];
    const bool end = d == 0 || d + 1 == placed.levels.size();
    const bool hole = level.insideConductor && !via.solid;
    const bool cap = !level.insideConductor && via.solid && end;
    if (!hole && !cap) continue;
    const std::int32_t layerIndex = via.lowerLayer + static_cast<std::int32_t>(d);
    CheckerProject::Layer& layer = project.layers[static_cast<std::size_t>(layerIndex)];
    if (layer.slots.size() - 1 >= CheckerProject::kMaxLayerPolygons) {
      FailCheck(job, ComputeError::LayerPolygonCount, {.layerIndex = layerIndex});
    }
    layer.slots.push_back({level.crossSection, level.conductorIndex, via.id});
  }
}

// One quadrilateral per n-gon edge between two neighbouring levels, its
// normal pointing away from the axis.
void AddWalls(CheckerProject& project, const CheckerProject::Via& via, const ViaLevels& placed,
              std::vector<Plate>& plates) {
  for (std::size_t d = 0; d + 1 < placed.levels.size(); ++d) {
    const auto low = placed.levels[d].crossSection.Vertices();
    const auto high = placed.levels[d + 1].crossSection.Vertices();
    const std::int32_t layerIndex = via.lowerLayer + static_cast<std::int32_t>(d) + 1;
    const double er = project.layers[static_cast<std::size_t>(layerIndex)].er;
    for (std::size_t i = 0; i < low.size(); ++i) {
      const std::size_t next = (i + 1) % low.size();
      const std::array<Point3, 4> corners{low[i], low[next], high[next], high[i]};
      Polygon wall(corners);
      plates.emplace_back(std::span<const Polygon>(&wall, 1), placed.conductorIndex, er, 1.0);
      project.viaWalls.push_back({std::move(wall), placed.conductorIndex, via.id, layerIndex});
    }
  }
}

}  // namespace

void BuildViaPlates(CheckerProject& project, ComputeJob& job, std::vector<Plate>& plates) {
  std::vector<ViaLevels> placed;
  placed.reserve(project.vias.size());
  for (const CheckerProject::Via& via : project.vias) placed.push_back(LevelsOf(project, via));
  CheckViaPairs(project, placed, job);
  for (std::size_t i = 0; i < placed.size(); ++i) PlaceVia(project, project.vias[i], placed[i], job);
  for (std::size_t i = 0; i < placed.size(); ++i) AddCrossSections(project, project.vias[i], placed[i], job);
  for (std::size_t i = 0; i < placed.size(); ++i) AddWalls(project, project.vias[i], placed[i], plates);
}

}  // namespace quor::solver
