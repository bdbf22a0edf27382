#include "editor/ui/dialogs/OutputPageValues.h"

namespace quor {

std::optional<CheckFailure> LeaveOutputPage(const OutputPageValues& values) {
  if (values.openCParameters || values.openCkt || values.openYParameters) return std::nullopt;
  return CheckFailure{0, "Please select at least one output file"};
}

}  // namespace quor
