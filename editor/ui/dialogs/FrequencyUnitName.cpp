#include "editor/ui/dialogs/FrequencyUnitName.h"

#include <array>

#include "editor/model/FrequencyUnits.h"

namespace quor {

const char* FrequencyUnitName(int unitIndex) {
  static constexpr std::array<const char*, kFrequencyUnitCount> kNames{"kHz", "MHz", "GHz"};
  return kNames.at(static_cast<std::size_t>(unitIndex));
}

}  // namespace quor
