// The Segmentation page of the Settings sheet: resolution, refinement and the
// number of via segments.
#pragma once

#include "editor/ui/dialogs/SegmentationPageValues.h"
#include "editor/ui/dialogs/SettingsPage.h"

class wxTextCtrl;

namespace quor {

class CDlgSegmentationOptions : public SettingsPage {
 public:
  CDlgSegmentationOptions(wxWindow* parent, MessageBoxes& messages, const SegmentationPageValues& values);

  const SegmentationPageValues& Values() const { return m_values; }

  bool OnKillActive() override;

 private:
  SegmentationPageValues m_values;
  wxTextCtrl* m_resolution = nullptr;
  wxTextCtrl* m_refine = nullptr;
  wxTextCtrl* m_viaSegments = nullptr;
};

}  // namespace quor
