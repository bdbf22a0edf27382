#include "editor/ui/dialogs/CDlgSegmentationOptions.h"

#include <wx/sizer.h>
#include <wx/textctrl.h>

#include "editor/ui/dialogs/DialogLayout.h"
#include "editor/ui/dialogs/EditExchange.h"

namespace quor {

using namespace segmentation_page;

CDlgSegmentationOptions::CDlgSegmentationOptions(wxWindow* parent, MessageBoxes& messages,
                                                 const SegmentationPageValues& values)
    : SettingsPage(parent, messages), m_values(values) {
  wxFlexGridSizer* grid = CreateFieldGrid();
  m_resolution = AddEditRow(this, *grid, "&Resolution:", kResolutionEdit);
  m_refine = AddEditRow(this, *grid, "R&efine:", kRefineEdit);
  m_viaSegments = AddEditRow(this, *grid, "&Number of VIA segments:", kViaSegmentsEdit);
  auto* page = new wxBoxSizer(wxVERTICAL);
  page->Add(Group(this, "Segmentation", grid), 0, wxEXPAND | wxALL, 10);
  SetSizer(page);

  const SegmentationPageTexts texts = ShowSegmentation(m_values);
  ShowEdit(*m_resolution, texts.resolution);
  ShowEdit(*m_refine, texts.refine);
  ShowEdit(*m_viaSegments, texts.viaSegments);
}

bool CDlgSegmentationOptions::OnKillActive() {
  SegmentationPageTexts texts{ReadEdit(*m_resolution), ReadEdit(*m_refine), ReadEdit(*m_viaSegments)};
  const std::optional<CheckFailure> failure = LeaveSegmentationPage(m_values, texts, Messages());
  KeepModifyFlag(*m_resolution, texts.resolution);
  return Passed(failure);
}

}  // namespace quor
