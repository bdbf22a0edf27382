// Checks the vias against each other and against the conductor polygons they
// pass through, decides which conductor each via belongs to, adds its
// cross-sections to the layers as holes or caps, and builds its side walls.
#pragma once

#include <vector>

#include "solver/Plate.h"
#include "solver/checker/CheckerProject.h"

struct ComputeJob;

namespace quor::solver {

void BuildViaPlates(CheckerProject& project, ComputeJob& job, std::vector<Plate>& plates);

}  // namespace quor::solver
