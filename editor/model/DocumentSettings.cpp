#include "editor/model/DocumentSettings.h"

#include "editor/model/LengthUnits.h"

namespace quor {

double DocumentSettings::ToDisplayUnits(double value) const {
  return value / LengthUnitFactor(Units);
}

double DocumentSettings::FromDisplayUnits(double value) const {
  return value * LengthUnitFactor(Units);
}

const char* DocumentSettings::GetUnitName() const {
  return LengthUnitName(Units);
}

}  // namespace quor
