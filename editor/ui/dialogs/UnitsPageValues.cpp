#include "editor/ui/dialogs/UnitsPageValues.h"

namespace quor {

int AnswerUnitQuery(const UnitsPageValues& values, int code) {
  if (code == kQueryLengthUnit) return values.lengthUnit + 1;
  if (code == kQueryFrequencyUnit) return values.frequencyUnit + 1;
  return 0;
}

int UnitFromAnswer(int answer, int current) {
  const int unit = answer - 1;
  return unit < 0 ? current : unit;
}

}  // namespace quor
