// The text of every error code that a computation stage leaves in its job
// record. The editor fills the printf placeholders of some texts; the batch
// runner writes them as they stand.
#pragma once

namespace quor {

// Never fails: a code without a text of its own answers "Unknown error".
const char* GetComputeErrorText(int code);

}  // namespace quor
