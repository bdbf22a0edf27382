// The New Project / Project Properties dialog's footprint in its edits, and
// the checks of OK.
#pragma once

#include <optional>

#include "editor/document/DocumentDialogs.h"
#include "editor/ui/dialogs/CheckFailure.h"
#include "editor/ui/dialogs/EditedText.h"

namespace quor {

namespace project_dialog {
inline constexpr int kLengthEdit = 1014;
inline constexpr int kWidthEdit = 1018;
inline constexpr int kWidthUnitLabel = 1023;
inline constexpr int kLengthUnitLabel = 1024;
}  // namespace project_dialog

struct ProjectDialogTexts {
  EditedText length;
  EditedText width;
};

// Length and width with 5 significant digits.
ProjectDialogTexts ShowProjectValues(const ProjectDialogValues& values);

// Takes the changed edits (an unchanged one returns its value exactly as it
// came), then refuses a length and then a width that is no number, not above
// zero or beyond what a project holds once converted to internal units.
std::optional<CheckFailure> AcceptProjectValues(ProjectDialogValues& values, ProjectDialogTexts& texts);

}  // namespace quor
