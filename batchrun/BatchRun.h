// The batch runner's whole run: solve an existing segmentation listing with
// the computation library and leave one status text in "kernel.log".
#pragma once

#include <filesystem>
#include <string>

struct ComputeJob;

namespace quor {

// commandLine is the listing path as it stands (no quote removal). Every
// outcome, success or failure, ends up in the log; nothing is thrown.
void RunBatch(const std::string& commandLine, const std::filesystem::path& programDirectory);

// Loads the library beside the program, runs its Tessmor stage on the job on
// this thread and frees the library again. Throws std::runtime_error with the
// log text when the library or its export is missing or the stage reports an
// error code (naming the file for an output file that could not be written).
void RunTessmor(ComputeJob& job, const std::filesystem::path& programDirectory);

}  // namespace quor
