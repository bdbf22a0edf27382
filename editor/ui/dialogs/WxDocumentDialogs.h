// The document's dialogs in the editor: each runs modally over the main
// window. The record that new vias start from lives here, once for the
// whole editor.
#pragma once

#include "editor/document/DocumentDialogs.h"
#include "editor/ui/dialogs/NewViaDefaults.h"

namespace quor {

class MessageBoxes;

class WxDocumentDialogs : public DocumentDialogs {
 public:
  explicit WxDocumentDialogs(MessageBoxes& messages) : m_messages(messages) {}

  bool RunProjectDialog(ProjectDialogValues& values) override;
  bool RunLayerDialog(LayerDialogValues& values) override;
  bool RunViaDialog(ViaDialogValues& values) override;
  bool RunMetallizationDialog(MetallizationDialogValues& values) override;
  bool RunSettingsPages(SettingsRecord& record) override;

 private:
  MessageBoxes& m_messages;
  NewViaDefaults m_newViaDefaults;
};

}  // namespace quor
