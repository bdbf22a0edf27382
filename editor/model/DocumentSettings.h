// The computation and editor settings of one project, as the project file's
// header holds them. The document owns one; a new document starts from these
// defaults before the user's profile is applied.
#pragma once

#include <cstdint>

namespace quor {

struct DocumentSettings {
  double FrequencyStart = 1.0;  // in the frequency unit
  double FrequencyStop = 1.0;
  std::int32_t FrequencySteps = 0;
  std::int32_t FrequencyUnits = 2;  // index: 0 kHz, 1 MHz, 2 GHz
  double Resolution = 1.0;
  double Refine = 1.0;
  std::int32_t Units = 3;      // display length-unit index: 0 mm, 1 m, 2 inch, 3 mil
  double GridSpacing = 254.0;  // internal units (100 mil)
  std::int32_t NumberOfViaSegments = 4;

  // Conversions between internal units and the display unit `Units`.
  double ToDisplayUnits(double value) const;
  double FromDisplayUnits(double value) const;
  const char* GetUnitName() const;
};

}  // namespace quor
