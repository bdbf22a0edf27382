// The closed-form potential evaluated at several points at once, for the
// translation units that compile it for one instruction set each. Only plain
// data crosses this boundary, so that no inline function compiled for a wider
// instruction set can stand in for the ordinary one elsewhere.
#pragma once

#include <cstddef>

#include "solver/numeric/PatchKernelData.h"

namespace quor::numeric {

// Needs AVX2; four points per step.
void NearPotentialsAvx2(const PatchKernelData::Edge* edges, std::size_t edgeCount, const Vec3& normal,
                        const double* x, const double* y, const double* z, std::size_t count, double scale,
                        double* out);
// The potential and the field along directions[0..2][i] (x, y and z
// components of each point's unit direction); needs AVX2.
void NearFieldsAvx2(const PatchKernelData::Edge* edges, std::size_t edgeCount, const Vec3& normal,
                    const double* x, const double* y, const double* z, const double* const* directions,
                    std::size_t count, double scale, double* potentials, double* fields);
// The same two for AVX-512 (foundation instructions), eight points per step.
void NearPotentialsAvx512(const PatchKernelData::Edge* edges, std::size_t edgeCount, const Vec3& normal,
                          const double* x, const double* y, const double* z, std::size_t count, double scale,
                          double* out);
void NearFieldsAvx512(const PatchKernelData::Edge* edges, std::size_t edgeCount, const Vec3& normal,
                      const double* x, const double* y, const double* z, const double* const* directions,
                      std::size_t count, double scale, double* potentials, double* fields);

}  // namespace quor::numeric
