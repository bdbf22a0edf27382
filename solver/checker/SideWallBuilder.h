// The side walls of the footprint box: one rectangle per layer on each of the
// four sides, part of the ground where the side is metallised and a
// dielectric interface to the air outside elsewhere.
#pragma once

#include <vector>

#include "solver/Plate.h"
#include "solver/checker/CheckerProject.h"

namespace quor::solver {

void AppendSideWalls(const CheckerProject& project, std::vector<Plate>& plates);

}  // namespace quor::solver
