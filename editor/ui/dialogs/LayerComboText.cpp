#include "editor/ui/dialogs/LayerComboText.h"

#include "editor/model/CLayer.h"
#include "editor/model/LengthUnits.h"
#include "editor/model/NumberFormat.h"

namespace quor {

namespace {

constexpr int kHeightDigits = 3;

double FactorOfUnit(std::string_view unitName) {
  for (int unit = 0; unit < kLengthUnitCount; ++unit) {
    if (unitName == LengthUnitName(unit)) return LengthUnitFactor(unit);
  }
  return 1.0;
}

}  // namespace

std::string LayerComboText(const CLayer& layer, std::string_view unitName) {
  return layer.GetName() + " - " + FormatDouble(layer.GetZ() / FactorOfUnit(unitName), kHeightDigits) + " " +
         std::string(unitName);
}

}  // namespace quor
