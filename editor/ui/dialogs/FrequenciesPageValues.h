// The Frequencies page: the sweep in the page's frequency unit, which follows
// the unit chosen on the Units page, and the checks made on leaving it.
#pragma once

#include <optional>

#include "editor/ui/dialogs/CheckFailure.h"
#include "editor/ui/dialogs/EditedText.h"

namespace quor {

namespace frequencies_page {
inline constexpr int kStartEdit = 1030;
inline constexpr int kStopEdit = 1031;
inline constexpr int kStepsEdit = 1032;
inline constexpr int kStartUnitLabel = 1060;
inline constexpr int kStopUnitLabel = 1061;
}  // namespace frequencies_page

struct FrequenciesPageValues {
  int frequencyUnit = 2;
  double start = 1.0;
  int steps = 0;
  double stop = 1.0;
};

struct FrequenciesPageTexts {
  EditedText start;
  EditedText stop;
  EditedText steps;
};

// Takes another unit while keeping the frequencies themselves: the numbers
// are rescaled from the old unit to the new one.
void ChangeFrequencyUnit(FrequenciesPageValues& values, int unit);

FrequenciesPageTexts ShowFrequencies(const FrequenciesPageValues& values);

// Reads the changed edits, then checks start >= 0, stop >= start, steps >= 0.
std::optional<CheckFailure> LeaveFrequenciesPage(FrequenciesPageValues& values,
                                                 const FrequenciesPageTexts& texts);

}  // namespace quor
