// The text of every error code that a computation stage leaves in its job
// record. The editor fills the printf placeholders of some texts; the batch
// runner writes them as they stand.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quor {

// The code of an output file that a stage could not create, write or put in place.
constexpr int kOutputFileNotWritten = 40;
// The code of a conductor that the segmentation left without a patch.
constexpr int kConductorWithoutPatch = 41;

// Never fails: a code without a text of its own answers "Unknown error".
const char* GetComputeErrorText(int code);

// The text of kOutputFileNotWritten naming the file: the job's base path
// followed by the extension the stage left in the job
// ("Cannot write output file: /p/board.dat"); the bare text without one.
std::string OutputFileErrorText(std::string_view basePath, const char (&extension)[8]);

// The text of kConductorWithoutPatch naming the conductor the stage left in
// the job ("Conductor 2 has no unknowns: ...").
std::string ConductorErrorText(std::int32_t conductor);

}  // namespace quor
