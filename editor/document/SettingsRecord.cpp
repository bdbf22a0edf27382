#include "editor/document/SettingsRecord.h"

namespace quor {

void ApplySweepRules(SettingsRecord& record) {
  if (record.FrequencySteps != 0 && record.FrequencyStart == record.FrequencyStop) record.FrequencySteps = 0;
  if (record.FrequencySteps == 0) record.FrequencyStop = record.FrequencyStart;
}

}  // namespace quor
