#include "editor/document/SettingsRecord.h"

#include "editor/model/DocumentSettings.h"

namespace quor {

void ApplySweepRules(SettingsRecord& record) {
  if (record.FrequencySteps != 0 && record.FrequencyStart == record.FrequencyStop) record.FrequencySteps = 0;
  if (record.FrequencySteps == 0) record.FrequencyStop = record.FrequencyStart;
}

void TakeDocumentSettings(const DocumentSettings& settings, SettingsRecord& record) {
  record.Units = settings.Units;
  record.FrequencyUnits = settings.FrequencyUnits;
  record.FrequencyStart = settings.FrequencyStart;
  record.FrequencyStop = settings.FrequencyStop;
  record.FrequencySteps = settings.FrequencySteps;
  record.Resolution = settings.Resolution;
  record.Refine = settings.Refine;
  record.NumberOfViaSegments = settings.NumberOfViaSegments;
  record.GridSpacing = settings.GridSpacing;
}

void GiveDocumentSettings(const SettingsRecord& record, DocumentSettings& settings) {
  settings.Units = record.Units;
  settings.FrequencyUnits = record.FrequencyUnits;
  settings.FrequencyStart = record.FrequencyStart;
  settings.FrequencyStop = record.FrequencyStop;
  settings.FrequencySteps = record.FrequencySteps;
  settings.Resolution = record.Resolution;
  settings.Refine = record.Refine;
  settings.NumberOfViaSegments = record.NumberOfViaSegments;
  settings.GridSpacing = record.GridSpacing;
}

}  // namespace quor
