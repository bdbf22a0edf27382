#include "editor/ui/dialogs/SettingsPages.h"

#include "editor/document/SettingsRecord.h"

namespace quor {

SettingsPages FillSettingsPages(const SettingsRecord& record) {
  SettingsPages pages;
  pages.units = {record.FrequencyUnits, record.Units};
  pages.frequencies = {record.FrequencyUnits, record.FrequencyStart, record.FrequencySteps,
                       record.FrequencyStop};
  pages.segmentation = {record.Refine, record.Resolution, record.NumberOfViaSegments};
  pages.editor = {record.Units, record.GridSpacing, record.ProjectWidth, record.ProjectLength,
                  !record.FootprintPromptOnStartup};
  pages.output = {record.AutoOpenCParams, record.AutoOpenCkt, record.AutoOpenYParams};
  return pages;
}

void CopySettingsPages(const SettingsPages& pages, SettingsRecord& record) {
  FrequenciesPageValues frequencies = pages.frequencies;
  ChangeFrequencyUnit(frequencies, pages.units.frequencyUnit);

  record.Units = pages.units.lengthUnit;
  record.FrequencyUnits = frequencies.frequencyUnit;
  record.FrequencyStart = frequencies.start;
  record.FrequencyStop = frequencies.stop;
  record.FrequencySteps = frequencies.steps;
  record.Refine = pages.segmentation.refine;
  record.Resolution = pages.segmentation.resolution;
  record.NumberOfViaSegments = pages.segmentation.viaSegments;
  record.GridSpacing = pages.editor.gridSpacing;
  record.ProjectLength = pages.editor.footprintLength;
  record.ProjectWidth = pages.editor.footprintWidth;
  record.FootprintPromptOnStartup = !pages.editor.useDefaultFootprint;
  record.AutoOpenCParams = pages.output.openCParameters;
  record.AutoOpenCkt = pages.output.openCkt;
  record.AutoOpenYParams = pages.output.openYParameters;
}

}  // namespace quor
