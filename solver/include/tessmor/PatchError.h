// What a Polygon throws, by value, when it cannot allocate its vertex or flag
// array. The stage exports turn it into ComputeError::Internal; Subtract and
// Merge let it reach their caller.
#pragma once

namespace patch {

enum class errorPatch { AllocationFailed = 1 };

}  // namespace patch
