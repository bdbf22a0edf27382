#include "editor/ui/PendingDocumentDialogs.h"

#include <string>

#include "editor/document/MessageBoxes.h"

namespace quor {

bool PendingDocumentDialogs::Unavailable(const char* dialog) {
  m_messages.ShowMessage(std::string("The ") + dialog + " dialog is not available in this version.");
  return false;
}

bool PendingDocumentDialogs::RunProjectDialog(ProjectDialogValues&) {
  return Unavailable("project");
}

bool PendingDocumentDialogs::RunLayerDialog(LayerDialogValues&) {
  return Unavailable("layer");
}

bool PendingDocumentDialogs::RunViaDialog(ViaDialogValues&) {
  return Unavailable("via");
}

bool PendingDocumentDialogs::RunMetallizationDialog(MetallizationDialogValues&) {
  return Unavailable("metallization");
}

bool PendingDocumentDialogs::RunSettingsPages(SettingsRecord&) {
  return Unavailable("settings");
}

}  // namespace quor
