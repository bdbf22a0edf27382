// A planar region of the structure: an outer boundary with holes, on a
// conductor or on a dielectric interface.
#pragma once

#include <cstdint>
#include <span>

#include "solver/PolygonList.h"

namespace quor::solver {

struct Plate {
  Plate() = default;
  Plate(std::span<const Polygon> polygons, std::int32_t index, double permittivityA, double permittivityB)
      : outline(polygons.begin(), polygons.end()),
        conductorIndex(index),
        epsA(permittivityA),
        epsB(permittivityB) {}

  PolygonList outline;  // the outer boundary first, then the holes
  // 0..Nc-1 for a conductor, Nc (the conductor count) for a dielectric interface.
  std::int32_t conductorIndex = 0;
  double epsA = 1.0;  // relative permittivity on the side the normal points to
  double epsB = 1.0;  // and on the other side
};

}  // namespace quor::solver
