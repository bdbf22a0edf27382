#include "solver/checker/SideWallBuilder.h"

#include <array>
#include <span>

namespace quor::solver {

namespace {

// The box is widened by this fraction, so that conductors drawn up to the
// footprint's edge do not touch its walls.
constexpr double kWidening = 1e-6;

struct Side {
  Point3 first;   // the wall's lower edge, in the plane z = 0
  Point3 second;  // chosen so that the normal points out of the box
  std::size_t metallizationFlag;
};

}  // namespace

void AppendSideWalls(const CheckerProject& project, std::vector<Plate>& plates) {
  const double a = project.length * (1.0 + kWidening);
  const double b = project.width * (1.0 + kWidening);
  const double x0 = -a * kWidening;
  const double y0 = -b * kWidening;
  // Top, bottom, left, right; the flags are stored top, left, bottom, right.
  const std::array<Side, 4> sides{{
      {{a, b, 0.0}, {x0, b, 0.0}, 0},
      {{x0, y0, 0.0}, {a, y0, 0.0}, 2},
      {{x0, b, 0.0}, {x0, y0, 0.0}, 1},
      {{a, y0, 0.0}, {a, b, 0.0}, 3},
  }};
  const std::int32_t dielectric = project.conductorCount;
  for (const Side& side : sides) {
    const std::int32_t index = project.metallization[side.metallizationFlag] != 0 ? 0 : dielectric;
    for (std::size_t l = 1; l < project.layers.size(); ++l) {
      const double low = project.layers[l - 1].z;
      const double high = project.layers[l].z;
      const std::array<Point3, 4> corners{{{side.first.x, side.first.y, low},
                                           {side.second.x, side.second.y, low},
                                           {side.second.x, side.second.y, high},
                                           {side.first.x, side.first.y, high}}};
      const Polygon wall(corners);
      plates.emplace_back(std::span<const Polygon>(&wall, 1), index, 1.0, project.layers[l].er);
    }
  }
}

}  // namespace quor::solver
