// A patch's potential evaluated at several points at once, for the
// translation units that compile it for one instruction set each. Only plain
// data crosses this boundary, so that no inline function compiled for a wider
// instruction set can stand in for the ordinary one elsewhere.
#pragma once

#include <cstddef>

#include "solver/numeric/PatchKernelData.h"

namespace quor::numeric {

// What the vector paths read of one source patch.
struct PatchLanesInput {
  const PatchKernelData::Edge* edges;
  std::size_t edgeCount;
  Vec3 normal;
  Vec3 centre;
  double area;
  // Beyond this squared distance from the centre the patch is a point charge;
  // an infinite one keeps the closed form for every point.
  double farFieldDistanceSquared;
};

// The potential at `count` points, into `out`; needs AVX2, four points per step.
void PotentialsAvx2(const PatchLanesInput& patch, const double* x, const double* y, const double* z,
                    std::size_t count, double scale, double* out);
// The potential and the field along directions[0..2][i] (x, y and z
// components of each point's unit direction); needs AVX2.
void FieldsAvx2(const PatchLanesInput& patch, const double* x, const double* y, const double* z,
                const double* const* directions, std::size_t count, double scale, double* potentials,
                double* fields);
// The same two for AVX-512 (foundation instructions), eight points per step.
void PotentialsAvx512(const PatchLanesInput& patch, const double* x, const double* y, const double* z,
                      std::size_t count, double scale, double* out);
void FieldsAvx512(const PatchLanesInput& patch, const double* x, const double* y, const double* z,
                  const double* const* directions, std::size_t count, double scale, double* potentials,
                  double* fields);

}  // namespace quor::numeric
