#include "editor/ui/dialogs/ViaValues.h"

#include "editor/model/CLayer.h"
#include "editor/model/NumberFormat.h"
#include "editor/model/StorableValues.h"
#include "editor/ui/dialogs/DialogNumbers.h"

namespace quor {

using namespace via_dialog;

namespace {

constexpr int kCoordinateDigits = 5;

}  // namespace

ViaDialogTexts ShowViaValues(const ViaDialogValues& values) {
  return {{FormatDouble(values.x, kCoordinateDigits)},
          {FormatDouble(values.y, kCoordinateDigits)},
          {FormatExchangeDouble(values.radius)}};
}

std::optional<CheckFailure> AcceptViaValues(ViaDialogValues& values, ViaDialogTexts& texts) {
  if (auto failure = ExchangeDouble(texts.radius, kRadiusEdit, values.radius)) return failure;
  if (!IsStorableNumber(values.radius * values.unitFactor))
    return CheckFailure{kRadiusEdit, kEnterNumberText};
  const auto readCentre = [&values](EditedText& edit, double& value) {
    return ReadChangedNumber(edit, 1.0, value) && IsStorableNumber(value * values.unitFactor);
  };
  if (!readCentre(texts.x, values.x)) return CheckFailure{kXEdit, kEnterNumberText};
  if (!readCentre(texts.y, values.y)) return CheckFailure{kYEdit, kEnterNumberText};
  if (values.radius <= 0.0) return CheckFailure{kRadiusEdit, kGreaterThanZeroText};
  if (values.top == nullptr || values.bottom == nullptr) {
    return CheckFailure{kTopLayerCombo, "Please select top and bottom layer"};
  }
  if (values.top == values.bottom)
    return CheckFailure{kTopLayerCombo, "Error: top and bottom layers coincide"};
  if (values.bottom->GetZ() > values.top->GetZ()) {
    return CheckFailure{kTopLayerCombo, "Error: top layer is lower than bottom layer"};
  }
  return std::nullopt;
}

}  // namespace quor
