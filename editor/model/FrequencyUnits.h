// The frequency units kHz, MHz and GHz: documents and settings keep an index,
// project files and the compute job the multiplier.
#pragma once

#include <cstdint>
#include <optional>

namespace quor {

inline constexpr int kFrequencyUnitCount = 3;

// 1000, 1000000 or 1000000000; throws std::out_of_range for another index.
std::int32_t FrequencyMultiplier(int unitIndex);

// The index of a multiplier, or nothing for a value outside the table.
std::optional<int> FrequencyUnitFromMultiplier(std::int32_t multiplier);

}  // namespace quor
