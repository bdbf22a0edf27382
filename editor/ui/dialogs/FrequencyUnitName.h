// The names of the frequency units as the Settings pages show them.
#pragma once

namespace quor {

// "kHz", "MHz", "GHz"; throws std::out_of_range for another index.
const char* FrequencyUnitName(int unitIndex);

}  // namespace quor
