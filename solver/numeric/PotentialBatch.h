// The potential of one patch at many observation points at once: the far
// points by the point-charge form, the near ones gathered and evaluated
// several at a time with vector instructions where the processor has them.
// A matrix fill gives each worker thread its own batch.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "solver/numeric/PatchKernelData.h"
#include "solver/numeric/PointColumns.h"

namespace quor::numeric {

class PotentialBatch {
 public:
  // potentials[i] = PatchPotential(patch, points.At(i), scale), to the
  // rounding of the vector logarithm and arc tangent.
  void Evaluate(const PatchKernelData& patch, const PointColumns& points, double scale,
                std::span<double> potentials);
  // The same with the field: fields[i] = PatchPotentialField(patch,
  // points.At(i), scale, directions.At(i)).field, to the same rounding.
  void Evaluate(const PatchKernelData& patch, const PointColumns& points, const PointColumns& directions,
                double scale, std::span<double> potentials, std::span<double> fields);

 private:
  // Splits the points into far ones, evaluated at once, and near ones,
  // gathered (with their directions when `directions` is given).
  void Gather(const PatchKernelData& patch, const PointColumns& points, const PointColumns* directions,
              std::span<double> potentials, std::span<double> fields);

  std::vector<std::uint32_t> m_near;
  PointColumns m_nearPoints;
  PointColumns m_nearDirections;
  std::vector<double> m_nearPotentials;
  std::vector<double> m_nearFields;
};

// The vector instruction sets the closed form has a path for.
enum class VectorPath { kAvx2, kAvx512 };

// The vector paths this processor runs, the widest last; empty when it runs
// only the scalar kernel.
const std::vector<VectorPath>& VectorPaths();

// NearPotential at `count` points given by coordinate arrays, into `out`:
// by the widest vector path the processor supports, or by the scalar one.
void NearPotentials(const PatchKernelData& patch, const double* x, const double* y, const double* z,
                    std::size_t count, double scale, double* out);
// The same by the given vector path, which the processor must support.
void NearPotentials(VectorPath path, const PatchKernelData& patch, const double* x, const double* y,
                    const double* z, std::size_t count, double scale, double* out);
// The same by the scalar kernel, point by point.
void NearPotentialsScalar(const PatchKernelData& patch, const double* x, const double* y, const double* z,
                          std::size_t count, double scale, double* out);
// NearPotentialField at `count` points, with the field along
// (directions[0][i], directions[1][i], directions[2][i]).
void NearFields(const PatchKernelData& patch, const double* x, const double* y, const double* z,
                const double* const* directions, std::size_t count, double scale, double* potentials,
                double* fields);
void NearFields(VectorPath path, const PatchKernelData& patch, const double* x, const double* y,
                const double* z, const double* const* directions, std::size_t count, double scale,
                double* potentials, double* fields);
void NearFieldsScalar(const PatchKernelData& patch, const double* x, const double* y, const double* z,
                      const double* const* directions, std::size_t count, double scale, double* potentials,
                      double* fields);

}  // namespace quor::numeric
