// The "Settings" property sheet: the Units, Frequencies, Segmentation, Editor
// and Output pages, without Apply and Help. A page is checked when the user
// leaves it for another page and, for the shown page, on OK.
#pragma once

#include <wx/propdlg.h>

#include <vector>

#include "editor/ui/dialogs/SettingsPages.h"

class wxBookCtrlEvent;

namespace quor {

class CDlgEditor;
class CDlgFrequencies;
class CDlgOutput;
class CDlgSegmentationOptions;
class CDlgUnits;
class MessageBoxes;
class SettingsPage;

class SettingsSheet : public wxPropertySheetDialog {
 public:
  SettingsSheet(wxWindow* parent, MessageBoxes& messages, const SettingsPages& values);

  // The pages' values; after OK they have passed their checks.
  SettingsPages Values() const;

  bool TransferDataFromWindow() override;

 private:
  void AddPage(SettingsPage* page, const wxString& caption);
  SettingsPage* PageAt(int index) const;
  // The first answer of a page other than the asking one.
  int QuerySiblings(const SettingsPage* asking, int code) const;
  void OnPageChanging(wxBookCtrlEvent& event);
  void OnPageChanged(wxBookCtrlEvent& event);

  std::vector<SettingsPage*> m_pages;  // owned by the book control
  // The page last shown. A programmatic change that a page refused still
  // moves the book control's own selection, so it is not asked.
  int m_activePage = 0;
  CDlgUnits* m_units = nullptr;
  CDlgFrequencies* m_frequencies = nullptr;
  CDlgSegmentationOptions* m_segmentation = nullptr;
  CDlgEditor* m_editor = nullptr;
  CDlgOutput* m_output = nullptr;
};

}  // namespace quor
