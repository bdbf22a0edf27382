// The segmentation listing: the conductor count, the patch count of every
// group (the dielectric group last), then every patch of every group in
// order with its vertices and its plate's two permittivities. The solver,
// the batch runner and the 3D viewer read it.
#pragma once

#include <iosfwd>
#include <span>

#include "solver/Plate.h"

namespace quor::solver {

class SegmentPatchStore;

void WriteLstFile(std::ostream& out, const SegmentPatchStore& patches, std::span<const Plate> plates);

}  // namespace quor::solver
