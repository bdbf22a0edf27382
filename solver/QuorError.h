// What a failing check inside the library throws, by value: its ComputeError
// code. Only the stage exports catch it, and store the code in the job.
#pragma once

#include <string>

#include "tessmor/ComputeError.h"

namespace QUOR_error {

using error = ComputeError;

// An output file of a stage that could not be created, written or put in
// place. The stage export answers ComputeError::OutputFileNotWritten and
// names the file in the job by its extension (without the dot).
struct OutputFileFailure {
  std::string extension;
};

// Throws the failure for the file at path, BasePath followed by its extension.
[[noreturn]] inline void FailOutputFile(const std::string& path) {
  throw OutputFileFailure{path.substr(path.rfind('.') + 1)};
}

}  // namespace QUOR_error
