#include "editor/ui/dialogs/ProjectValues.h"

#include "editor/model/NumberFormat.h"
#include "editor/model/StorableValues.h"
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
  const bool lengthRead = ReadChangedNumber(texts.length, 1.0, values.length);
  const bool widthRead = ReadChangedNumber(texts.width, 1.0, values.width);
  if (!lengthRead || !IsStorableSize(values.length * values.unitFactor)) {
    return CheckFailure{kLengthEdit, kGreaterThanZeroText};
  }
  if (!widthRead || !IsStorableSize(values.width * values.unitFactor)) {
    return CheckFailure{kWidthEdit, kGreaterThanZeroText};
  }
  return std::nullopt;
}

}  // namespace quor
