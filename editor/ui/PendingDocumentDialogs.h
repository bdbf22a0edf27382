// The document's dialogs while the dialogs themselves are not built: each
// says so and answers as Cancel does, so the document changes nothing.
#pragma once

#include "editor/document/DocumentDialogs.h"

namespace quor {

class MessageBoxes;

class PendingDocumentDialogs : public DocumentDialogs {
 public:
  explicit PendingDocumentDialogs(MessageBoxes& messages) : m_messages(messages) {}

  bool RunProjectDialog(ProjectDialogValues& values) override;
  bool RunLayerDialog(LayerDialogValues& values) override;
  bool RunViaDialog(ViaDialogValues& values) override;
  bool RunMetallizationDialog(MetallizationDialogValues& values) override;
  bool RunSettingsPages(SettingsRecord& record) override;

 private:
  bool Unavailable(const char* dialog);

  MessageBoxes& m_messages;
};

}  // namespace quor
