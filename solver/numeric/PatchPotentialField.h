// The potential and one field component of a uniformly charged planar patch
// (surface density 1, free space, internal length units, no physical
// constants): the only Green's-function evaluation of the solver.
#pragma once

#include "solver/numeric/PatchKernelData.h"
#include "solver/numeric/Vec3.h"

namespace quor::numeric {

struct PotentialAndField {
  double field = 0.0;      // component along the requested direction of −∇φ
  double potential = 0.0;  // φ(P) = ∫ over the patch of dA / |P − X|
};

// `scale` (> 0) is the mesh length that sets the tolerances; `direction` is a
// unit vector. Pure and allocation-free, so a fill may call it from any thread.
// A point in the patch plane gets no normal field: a caller that observes a
// patch at its own centre supplies the jump of the normal field itself.
PotentialAndField PatchPotentialField(const PatchKernelData& patch, const Vec3& point, double scale,
                                      const Vec3& direction);

// The potential alone, for the rows whose field nobody uses: the same value
// as PatchPotentialField's, for about half the work.
double PatchPotential(const PatchKernelData& patch, const Vec3& point, double scale);

// The closed forms whatever the distance: PatchPotential and
// PatchPotentialField of a point within the patch's far-field distance.
double NearPotential(const PatchKernelData& patch, const Vec3& point, double scale);
PotentialAndField NearPotentialField(const PatchKernelData& patch, const Vec3& point, double scale,
                                     const Vec3& direction);

}  // namespace quor::numeric
