// The potential of one patch at many observation points at once: the far
// points by the point-charge form, the near ones by the closed form, several
// at a time with vector instructions where the processor has them. Pure and
// allocation-free, so that the workers of a matrix fill may call it at will.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "solver/numeric/PatchKernelData.h"
#include "solver/numeric/PointColumns.h"

namespace quor::numeric {

// potentials[i] = PatchPotential(patch, points.At(i), scale), to the
// rounding of the vector logarithm and arc tangent.
void EvaluatePotentials(const PatchKernelData& patch, const PointColumns& points, double scale,
                        std::span<double> potentials);
// The same with the field: fields[i] = PatchPotentialField(patch,
// points.At(i), scale, directions.At(i)).field, to the same rounding.
void EvaluateFields(const PatchKernelData& patch, const PointColumns& points, const PointColumns& directions,
                    double scale, std::span<double> potentials, std::span<double> fields);

// The vector instruction sets the closed form has a path for.
enum class VectorPath { kAvx2, kAvx512 };

// The vector paths this processor runs, the widest last; empty when it runs
// only the scalar kernel.
const std::vector<VectorPath>& VectorPaths();

// NearPotential at `count` points given by coordinate arrays, into `out`, by
// the given vector path, which the processor must support.
void NearPotentials(VectorPath path, const PatchKernelData& patch, const double* x, const double* y,
                    const double* z, std::size_t count, double scale, double* out);
// The same by the scalar kernel, point by point.
void NearPotentialsScalar(const PatchKernelData& patch, const double* x, const double* y, const double* z,
                          std::size_t count, double scale, double* out);
// NearPotentialField at `count` points, with the field along
// (directions[0][i], directions[1][i], directions[2][i]).
void NearFields(VectorPath path, const PatchKernelData& patch, const double* x, const double* y,
                const double* z, const double* const* directions, std::size_t count, double scale,
                double* potentials, double* fields);
void NearFieldsScalar(const PatchKernelData& patch, const double* x, const double* y, const double* z,
                      const double* const* directions, std::size_t count, double scale, double* potentials,
                      double* fields);

}  // namespace quor::numeric
