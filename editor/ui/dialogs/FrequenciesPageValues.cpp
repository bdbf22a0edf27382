#include "editor/ui/dialogs/FrequenciesPageValues.h"

#include "editor/model/FrequencyUnits.h"
#include "editor/ui/dialogs/DialogNumbers.h"

namespace quor {

using namespace frequencies_page;

void ChangeFrequencyUnit(FrequenciesPageValues& values, int unit) {
  if (unit == values.frequencyUnit) return;
  const double from = FrequencyMultiplier(values.frequencyUnit);
  const double to = FrequencyMultiplier(unit);
  // Multiplying first keeps exact what is exact in hertz: 1500 MHz is 1.5 GHz.
  values.start = values.start * from / to;
  values.stop = values.stop * from / to;
  values.frequencyUnit = unit;
}

FrequenciesPageTexts ShowFrequencies(const FrequenciesPageValues& values) {
  return {{FormatExchangeDouble(values.start)},
          {FormatExchangeDouble(values.stop)},
          {FormatExchangeInt(values.steps)}};
}

std::optional<CheckFailure> LeaveFrequenciesPage(FrequenciesPageValues& values,
                                                 const FrequenciesPageTexts& texts) {
  if (auto failure = ExchangeDouble(texts.start, kStartEdit, values.start)) return failure;
  if (auto failure = ExchangeInt(texts.steps, kStepsEdit, values.steps)) return failure;
  if (auto failure = ExchangeDouble(texts.stop, kStopEdit, values.stop)) return failure;
  if (values.start < 0) return CheckFailure{kStartEdit, "Start frequency must be positive or zero"};
  if (values.stop < values.start) {
    return CheckFailure{kStopEdit, "Stop frequency must not be smaller than the start frequency"};
  }
  if (values.steps < 0) return CheckFailure{kStepsEdit, "Number of frequency steps must be positive or zero"};
  return std::nullopt;
}

}  // namespace quor
