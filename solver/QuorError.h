// What a failing check inside the library throws, by value: its ComputeError
// code. Only the stage exports catch it, and store the code in the job.
#pragma once

#include "tessmor/ComputeError.h"

namespace QUOR_error {

using error = ComputeError;

}  // namespace QUOR_error
