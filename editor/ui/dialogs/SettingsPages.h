// The values of the Settings sheet's five pages, filled from the Settings
// record before the sheet is shown and copied back into it on OK.
#pragma once

#include "editor/ui/dialogs/EditorPageValues.h"
#include "editor/ui/dialogs/FrequenciesPageValues.h"
#include "editor/ui/dialogs/OutputPageValues.h"
#include "editor/ui/dialogs/SegmentationPageValues.h"
#include "editor/ui/dialogs/UnitsPageValues.h"

namespace quor {

struct SettingsRecord;

struct SettingsPages {
  UnitsPageValues units;
  FrequenciesPageValues frequencies;
  SegmentationPageValues segmentation;
  EditorPageValues editor;
  OutputPageValues output;
};

SettingsPages FillSettingsPages(const SettingsRecord& record);

// The sweep goes into the record in the frequency unit of the Units page, even
// when the Frequencies page was not shown again after the unit changed: the
// record's unit and its frequencies always belong together.
void CopySettingsPages(const SettingsPages& pages, SettingsRecord& record);

}  // namespace quor
