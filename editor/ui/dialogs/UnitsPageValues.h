// The Units page's values, and the unit query through which the Frequencies
// and Editor pages follow the units chosen there.
#pragma once

#include <functional>

namespace quor {

inline constexpr int kQueryFrequencyUnit = 100;
inline constexpr int kQueryLengthUnit = 200;

// Asks the sheet's other pages; the first answer that is not 0 counts.
using UnitQuery = std::function<int(int code)>;

struct UnitsPageValues {
  int frequencyUnit = -1;  // kHz, MHz, GHz
  int lengthUnit = -1;     // mm, m, inch, mil
};

// The unit index + 1 for the two query codes, so that 0 can mean no answer;
// 0 for any other code.
int AnswerUnitQuery(const UnitsPageValues& values, int code);

// The unit an answer names, or `current` when nobody answered.
int UnitFromAnswer(int answer, int current);

}  // namespace quor
