#include "editor/ui/dialogs/EditorPageValues.h"

#include "editor/model/LengthUnits.h"
#include "editor/model/NumberFormat.h"
#include "editor/model/StorableValues.h"
#include "editor/ui/dialogs/DialogNumbers.h"

namespace quor {

using namespace editor_page;

namespace {

constexpr int kSpacingDigits = 4;
constexpr int kFootprintDigits = 5;

}  // namespace

EditorPageTexts ShowEditor(const EditorPageValues& values) {
  const double factor = LengthUnitFactor(values.lengthUnit);
  return {{FormatDouble(values.gridSpacing / factor, kSpacingDigits)},
          {FormatDouble(values.footprintLength / factor, kFootprintDigits)},
          {FormatDouble(values.footprintWidth / factor, kFootprintDigits)}};
}

std::optional<CheckFailure> LeaveEditorPage(EditorPageValues& values, EditorPageTexts& texts) {
  const double factor = LengthUnitFactor(values.lengthUnit);
  const bool spacingRead = ReadChangedNumber(texts.spacing, factor, values.gridSpacing);
  const bool lengthRead = ReadChangedNumber(texts.length, factor, values.footprintLength);
  const bool widthRead = ReadChangedNumber(texts.width, factor, values.footprintWidth);
  if (!lengthRead || !IsStorableSize(values.footprintLength)) {
    return CheckFailure{kLengthEdit, kGreaterThanZeroText};
  }
  if (!widthRead || !IsStorableSize(values.footprintWidth))
    return CheckFailure{kWidthEdit, kGreaterThanZeroText};
  if (!spacingRead || !IsStorableSize(values.gridSpacing))
    return CheckFailure{kSpacingEdit, kGreaterThanZeroText};
  return std::nullopt;
}

}  // namespace quor
