// The plate file between the checker and the segmentation: the conductor
// count, the number of plates, then per plate its outline polygons, its
// conductor index and the permittivities on its two sides.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <span>

#include "solver/Plate.h"

namespace quor::solver {

void WriteSg1File(std::ostream& out, std::int32_t conductorCount, std::span<const Plate> plates);

}  // namespace quor::solver
