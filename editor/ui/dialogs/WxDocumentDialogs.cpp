#include "editor/ui/dialogs/WxDocumentDialogs.h"

#include <wx/app.h>

#include "editor/ui/dialogs/CDlgLayerProperties.h"
#include "editor/ui/dialogs/CDlgMetallization.h"
#include "editor/ui/dialogs/CDlgProject.h"
#include "editor/ui/dialogs/CDlgVia.h"
#include "editor/ui/dialogs/SettingsSheet.h"

namespace quor {

namespace {

wxWindow* MainWindow() {
  return wxTheApp != nullptr ? wxTheApp->GetTopWindow() : nullptr;
}

// Runs the dialog and, on OK, hands back its values.
template <typename Dialog, typename Values>
bool RunModal(Dialog& dialog, Values& values) {
  if (dialog.ShowModal() != wxID_OK) return false;
  values = dialog.Values();
  return true;
}

}  // namespace

bool WxDocumentDialogs::RunProjectDialog(ProjectDialogValues& values) {
  CDlgProject dialog(MainWindow(), values, m_messages);
  return RunModal(dialog, values);
}

bool WxDocumentDialogs::RunLayerDialog(LayerDialogValues& values) {
  CDlgLayerProperties dialog(MainWindow(), values, m_messages);
  return RunModal(dialog, values);
}

bool WxDocumentDialogs::RunViaDialog(ViaDialogValues& values) {
  CDlgVia dialog(MainWindow(), values, m_messages, m_newViaDefaults);
  return RunModal(dialog, values);
}

bool WxDocumentDialogs::RunMetallizationDialog(MetallizationDialogValues& values) {
  CDlgMetallization dialog(MainWindow(), values);
  return RunModal(dialog, values);
}

bool WxDocumentDialogs::RunSettingsPages(SettingsRecord& record) {
  SettingsSheet sheet(MainWindow(), m_messages, FillSettingsPages(record));
  if (sheet.ShowModal() != wxID_OK) return false;
  CopySettingsPages(sheet.Values(), record);
  return true;
}

}  // namespace quor
