#include "editor/ui/dialogs/LayerPropertiesValues.h"

#include "editor/model/CLayer.h"
#include "editor/model/LengthUnits.h"
#include "editor/model/StorableValues.h"
#include "editor/ui/dialogs/DialogNumbers.h"

namespace quor {

using namespace layer_dialog;

LayerDialogTexts ShowLayerValues(const LayerDialogValues& values) {
  return {{FormatExchangeDouble(values.height)}, {FormatExchangeDouble(values.er)}};
}

bool IsBottomLayer(const LayerDialogValues& values) {
  return !values.newLayer && values.height == 0.0;
}

std::optional<CheckFailure> AcceptLayerValues(LayerDialogValues& values, const LayerDialogTexts& texts) {
  if (auto failure = ExchangeDouble(texts.height, kHeightEdit, values.height)) return failure;
  if (auto failure = ExchangeDouble(texts.er, kErEdit, values.er)) return failure;
  if (IsValidLengthUnit(values.unitIndex) &&
      !IsStorableNumber(ToInternalUnits(values.height, values.unitIndex))) {
    return CheckFailure{kHeightEdit, kEnterNumberText};
  }
  if (values.height < 0.0) return CheckFailure{kHeightEdit, kGreaterThanZeroText};
  if (values.er <= 0.0) return CheckFailure{kErEdit, kGreaterThanZeroText};
  if (!CLayer::IsTypableName(values.name)) {
    return CheckFailure{kNameEdit, CLayer::kControlCharacterInNameText};
  }
  return std::nullopt;
}

}  // namespace quor
