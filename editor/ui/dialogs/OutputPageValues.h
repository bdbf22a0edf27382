// The Output page: which result files List Results opens.
#pragma once

#include <optional>

#include "editor/ui/dialogs/CheckFailure.h"

namespace quor {

namespace output_page {
inline constexpr int kCParametersCheck = 1082;
inline constexpr int kCktCheck = 1084;
inline constexpr int kYParametersCheck = 1005;
}  // namespace output_page

struct OutputPageValues {
  bool openCParameters = false;
  bool openCkt = false;
  bool openYParameters = false;
};

// At least one file must be chosen.
std::optional<CheckFailure> LeaveOutputPage(const OutputPageValues& values);

}  // namespace quor
