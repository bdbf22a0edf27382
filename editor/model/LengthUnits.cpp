#include "editor/model/LengthUnits.h"

#include <array>

namespace quor {

namespace {

constexpr std::array<const char*, kLengthUnitCount> kNames{"mm", "m", "inch", "mil"};
constexpr std::array<double, kLengthUnitCount> kFactors{100.0, 100000.0, 2540.0, 2.54};

}  // namespace

bool IsValidLengthUnit(int unitIndex) {
  return unitIndex >= 0 && unitIndex < kLengthUnitCount;
}

const char* LengthUnitName(int unitIndex) {
  return kNames.at(static_cast<std::size_t>(unitIndex));
}

double LengthUnitFactor(int unitIndex) {
  return kFactors.at(static_cast<std::size_t>(unitIndex));
}

double ToInternalUnits(double value, int unitIndex) {
  return value * LengthUnitFactor(unitIndex);
}

}  // namespace quor
