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

// One entry of a vector path: the potential at `count` points into
// `potentials` and, for a field entry, the field along directions[0..2][i]
// (x, y and z components of each point's unit direction) into `fields`. A
// potential entry reads neither `directions` nor `fields`, which may be null.
using LanesEntry = void (*)(const PatchLanesInput& patch, const double* x, const double* y, const double* z,
                            const double* const* directions, std::size_t count, double scale,
                            double* potentials, double* fields);

struct LanesEntries {
  LanesEntry potentials;
  LanesEntry fields;
};

// Four points per step; needs AVX2.
LanesEntries Avx2Entries();
// Eight points per step; needs AVX-512 (foundation instructions).
LanesEntries Avx512Entries();

}  // namespace quor::numeric
