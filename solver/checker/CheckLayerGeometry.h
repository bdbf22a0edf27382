// The geometry check of all outlines (conductor polygons, via cross-sections,
// the footprint, the via walls): zero-length edges, self-intersecting
// outlines and intersecting polygons; on the way it finds the smallest
// distance between features, from which the segmentation takes its grid.
#pragma once

#include "solver/checker/CheckerProject.h"

struct ComputeJob;

namespace quor::solver {

// The smallest feature distance d of the structure, never below the check
// tolerance. Stops early, without an error, when the job's run flag is cleared.
double CheckLayerGeometry(const CheckerProject& project, ComputeJob& job);

// Runs the check and stores the job's MinFeatureDistance from it.
void DeriveMinFeatureDistance(const CheckerProject& project, ComputeJob& job);

}  // namespace quor::solver
