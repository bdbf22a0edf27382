#include "editor/ui/dialogs/EditorPageValues.h"

#include "editor/model/LengthUnits.h"
#include "editor/model/NumberFormat.h"
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
  ReadChangedNumber(texts.spacing, factor, values.gridSpacing);
  ReadChangedNumber(texts.length, factor, values.footprintLength);
  ReadChangedNumber(texts.width, factor, values.footprintWidth);
  if (!(values.footprintLength > 0.0)) return CheckFailure{kLengthEdit, kGreaterThanZeroText};
  if (!(values.footprintWidth > 0.0)) return CheckFailure{kWidthEdit, kGreaterThanZeroText};
  if (!(values.gridSpacing > 0.0)) return CheckFailure{kSpacingEdit, kGreaterThanZeroText};
  return std::nullopt;
}

}  // namespace quor
