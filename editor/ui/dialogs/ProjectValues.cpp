#include "editor/ui/dialogs/ProjectValues.h"

#include "editor/model/NumberFormat.h"
#include "editor/ui/dialogs/DialogNumbers.h"

namespace quor {

using namespace project_dialog;

namespace {

constexpr int kFootprintDigits = 5;

}  // namespace

ProjectDialogTexts ShowProjectValues(const ProjectDialogValues& values) {
  return {{FormatDouble(values.length, kFootprintDigits)}, {FormatDouble(values.width, kFootprintDigits)}};
}

std::optional<CheckFailure> AcceptProjectValues(ProjectDialogValues& values, ProjectDialogTexts& texts) {
  ReadChangedNumber(texts.length, 1.0, values.length);
  ReadChangedNumber(texts.width, 1.0, values.width);
  if (!(values.length > 0.0)) return CheckFailure{kLengthEdit, kGreaterThanZeroText};
  if (!(values.width > 0.0)) return CheckFailure{kWidthEdit, kGreaterThanZeroText};
  return std::nullopt;
}

}  // namespace quor
