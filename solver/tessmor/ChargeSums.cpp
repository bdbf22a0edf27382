#include "solver/tessmor/ChargeSums.h"

#include <cassert>
#include <vector>

#include "solver/tessmor/MomentSystem.h"
#include "solver/tessmor/ParallelTasks.h"
#include "solver/tessmor/VacuumPermittivity.h"

namespace quor::solver {

namespace {

// The field rows are long; each is taken by one worker.
double FieldDot(std::span<const float> fieldRow, const float* column) {
  double sum = 0.0;
  for (std::size_t f = 0; f < fieldRow.size(); ++f) {
    sum += static_cast<double>(fieldRow[f]) * static_cast<double>(column[f]);
  }
  return sum;
}

}  // namespace

SquareMatrix SumCharges(const MomentSystem& system, std::span<const float> solution) {
  const auto n = static_cast<std::size_t>(system.Unknowns());
  const std::int32_t conductors = system.ConductorCount();
  const auto rhs = static_cast<std::size_t>(conductors);
  assert(solution.size() == n * rhs && "one solution column per conductor");
  const std::span<const MomentSystem::PatchTerms> patches = system.Patches();

  // The free charge of each conductor patch per right-hand side: the total
  // density times epsB plus, across two different dielectrics, the
  // polarisation that the normal field on the epsA side leaves.
  const auto conductorPatches = static_cast<std::size_t>(system.ConductorPatchCount());
  std::vector<double> charges(conductorPatches * rhs);
  RunParallelTasks(static_cast<std::int64_t>(conductorPatches), [&](std::int64_t task) {
    const auto d = static_cast<std::size_t>(task);
    const MomentSystem::PatchTerms& patch = patches[d];
    for (std::size_t j = 0; j < rhs; ++j) {
      const float* column = solution.data() + n * j;
      double charge = static_cast<double>(column[d]) * patch.epsB;
      if (patch.fieldRow >= 0) {
        charge += FieldDot(system.FieldRow(patch.fieldRow), column) * (patch.epsA - patch.epsB) * kEpsilon0;
      }
      charges[d * rhs + j] = patch.area * charge;
    }
  });

  SquareMatrix maxwell(conductors);
  for (std::size_t d = 0; d < conductorPatches; ++d) {
    for (std::size_t j = 0; j < rhs; ++j) {
      maxwell(patches[d].conductor, static_cast<std::int32_t>(j)) += charges[d * rhs + j];
    }
  }
  return maxwell;
}

}  // namespace quor::solver
