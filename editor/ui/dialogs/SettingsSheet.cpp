#include "editor/ui/dialogs/SettingsSheet.h"

#include <wx/bookctrl.h>

#include "editor/ui/dialogs/CDlgEditor.h"
#include "editor/ui/dialogs/CDlgFrequencies.h"
#include "editor/ui/dialogs/CDlgOutput.h"
#include "editor/ui/dialogs/CDlgSegmentationOptions.h"
#include "editor/ui/dialogs/CDlgUnits.h"

namespace quor {

namespace {

constexpr int kSheetWidth = 460;

}  // namespace

SettingsSheet::SettingsSheet(wxWindow* parent, MessageBoxes& messages, const SettingsPages& values)
    : wxPropertySheetDialog(parent, wxID_ANY, "Settings") {
  CreateButtons(wxOK | wxCANCEL);
  wxBookCtrlBase* book = GetBookCtrl();
  m_units = new CDlgUnits(book, messages, values.units);
  m_frequencies = new CDlgFrequencies(book, messages, values.frequencies);
  m_segmentation = new CDlgSegmentationOptions(book, messages, values.segmentation);
  m_editor = new CDlgEditor(book, messages, values.editor);
  m_output = new CDlgOutput(book, messages, values.output);
  AddPage(m_units, "Units");
  AddPage(m_frequencies, "Frequencies");
  AddPage(m_segmentation, "Segmentation");
  AddPage(m_editor, "Editor");
  AddPage(m_output, "Output");
  // Wide enough for all five tabs side by side.
  book->SetMinSize(wxSize(FromDIP(kSheetWidth), -1));
  LayoutDialog();

  book->Bind(wxEVT_BOOKCTRL_PAGE_CHANGING, &SettingsSheet::OnPageChanging, this);
  book->Bind(wxEVT_BOOKCTRL_PAGE_CHANGED, &SettingsSheet::OnPageChanged, this);
}

void SettingsSheet::AddPage(SettingsPage* page, const wxString& caption) {
  page->SetUnitQuery([this, page](int code) { return QuerySiblings(page, code); });
  GetBookCtrl()->AddPage(page, caption);
  m_pages.push_back(page);
}

SettingsPage* SettingsSheet::PageAt(int index) const {
  if (index < 0 || index >= static_cast<int>(m_pages.size())) return nullptr;
  return m_pages[static_cast<std::size_t>(index)];
}

int SettingsSheet::QuerySiblings(const SettingsPage* asking, int code) const {
  for (SettingsPage* page : m_pages) {
    if (page == asking) continue;
    if (const int answer = page->OnQuerySiblings(code)) return answer;
  }
  return 0;
}

void SettingsSheet::OnPageChanging(wxBookCtrlEvent& event) {
  if (event.GetEventObject() != GetBookCtrl()) return;
  SettingsPage* leaving = PageAt(event.GetOldSelection());
  if (leaving != nullptr && !leaving->OnKillActive()) event.Veto();
}

void SettingsSheet::OnPageChanged(wxBookCtrlEvent& event) {
  if (event.GetEventObject() != GetBookCtrl()) return;
  m_activePage = event.GetSelection();
  if (SettingsPage* shown = PageAt(m_activePage)) shown->OnSetActive();
}

bool SettingsSheet::TransferDataFromWindow() {
  SettingsPage* shown = PageAt(m_activePage);
  return shown == nullptr || shown->OnKillActive();
}

SettingsPages SettingsSheet::Values() const {
  return {m_units->Values(), m_frequencies->Values(), m_segmentation->Values(), m_editor->Values(),
          m_output->Values()};
}

}  // namespace quor
