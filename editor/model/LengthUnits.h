// The display length units: internal lengths are in 0.01 mm and are shown in
// mm, m, inch or mil, chosen by an index stored in projects and settings.
#pragma once

namespace quor {

inline constexpr int kLengthUnitCount = 4;

bool IsValidLengthUnit(int unitIndex);

// "mm", "m", "inch", "mil"; both throw std::out_of_range for another index.
const char* LengthUnitName(int unitIndex);
// Internal units per display unit: 100, 100000, 2540, 2.54.
double LengthUnitFactor(int unitIndex);

double ToInternalUnits(double value, int unitIndex);

}  // namespace quor
