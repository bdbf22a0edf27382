// Reads the plate file that Checker writes: the conductor count, then every
// plate with its outline polygons, conductor index and permittivities.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <vector>

#include "solver/Plate.h"

namespace quor::solver {

struct SegmentPlateFile {
  std::int32_t conductorCount = 0;  // Nc; plates of index Nc are dielectric interfaces
  std::vector<Plate> plates;
};

// Throws ComputeError::ConductorIndexOutOfRange for a conductor count outside
// 1..21 or a plate index outside 0..Nc, and ComputeError::ProjectFileNotOpened
// when the file is missing, cut short or not a plate file.
SegmentPlateFile ReadPlateFile(std::istream& in);

}  // namespace quor::solver
