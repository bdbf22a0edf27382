// Reads a project file field by field and checks every value against the
// library's limits, in the order the error codes are reported; fills the
// job's sweep, segmentation, unit and conductor-count fields on the way.
#pragma once

#include <iosfwd>

#include "solver/checker/CheckerProject.h"

struct ComputeJob;

namespace quor::solver {

CheckerProject ReadQlxProject(std::istream& in, ComputeJob& job);

}  // namespace quor::solver
