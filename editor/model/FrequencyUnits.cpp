#include "editor/model/FrequencyUnits.h"

#include <algorithm>
#include <array>

namespace quor {

namespace {

constexpr std::array<std::int32_t, kFrequencyUnitCount> kMultipliers{1000, 1000000, 1000000000};

}  // namespace

std::int32_t FrequencyMultiplier(int unitIndex) {
  return kMultipliers.at(static_cast<std::size_t>(unitIndex));
}

std::optional<int> FrequencyUnitFromMultiplier(std::int32_t multiplier) {
  const auto found = std::find(kMultipliers.begin(), kMultipliers.end(), multiplier);
  if (found == kMultipliers.end()) return std::nullopt;
  return static_cast<int>(found - kMultipliers.begin());
}

}  // namespace quor
