// The values the Settings command exchanges with its property sheet: the
// project's computation and editor settings and the user-wide defaults that
// live only in the profile.
#pragma once

#include <cstdint>

namespace quor {

struct SettingsRecord {
  std::int32_t Units = 3;
  std::int32_t FrequencyUnits = 2;
  double FrequencyStart = 1.0;
  double FrequencyStop = 1.0;
  std::int32_t FrequencySteps = 0;
  double Refine = 1.0;
  double Resolution = 1.0;
  std::int32_t NumberOfViaSegments = 4;
  double GridSpacing = 254.0;     // internal units
  double ProjectLength = 2540.0;  // internal units
  double ProjectWidth = 2540.0;
  bool FootprintPromptOnStartup = true;
  bool AutoOpenCParams = true;
  bool AutoOpenCkt = false;
  bool AutoOpenYParams = false;
};

// A sweep of one point: steps between equal frequencies are dropped, and
// without steps the stop frequency is the start frequency.
void ApplySweepRules(SettingsRecord& record);

// The nine values a project keeps, between a project's settings and a record:
// both name them alike.
template <typename From, typename To>
void CopyProjectSettings(const From& from, To& to) {
  to.Units = from.Units;
  to.FrequencyUnits = from.FrequencyUnits;
  to.FrequencyStart = from.FrequencyStart;
  to.FrequencyStop = from.FrequencyStop;
  to.FrequencySteps = from.FrequencySteps;
  to.Resolution = from.Resolution;
  to.Refine = from.Refine;
  to.NumberOfViaSegments = from.NumberOfViaSegments;
  to.GridSpacing = from.GridSpacing;
}

}  // namespace quor
