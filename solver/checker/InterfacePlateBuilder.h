// The plates of each layer surface: the footprint with holes where conductors
// lie, each conductor with holes where dielectric lies inside it, and so on
// inwards, nesting level by nesting level.
#pragma once

#include <vector>

#include "solver/Plate.h"
#include "solver/checker/CheckerProject.h"

struct ComputeJob;

namespace quor::solver {

void AppendInterfacePlates(const CheckerProject& project, ComputeJob& job, std::vector<Plate>& plates);

}  // namespace quor::solver
