#include "editor/ui/bars/ObjectMenus.h"

#include <wx/menu.h>

#include "editor/ui/CommandIds.h"
#include "editor/ui/CommandLabels.h"
#include "editor/ui/HotKeys.h"

namespace quor {

namespace {

wxString Text(std::string_view label, const HotKey& key) {
  return wxString::FromUTF8(WithKey(label, key));
}

void AppendDelete(wxMenu& menu) {
  menu.Append(cmd::kEditDelete, "&Delete");
  menu.AppendSeparator();
}

}  // namespace

void AppendClipboardItems(wxMenu& menu) {
  menu.Append(cmd::kEditCut, "C&ut");
  menu.Append(cmd::kEditCopy, "&Copy");
  menu.Append(cmd::kEditPaste, "&Paste");
  menu.Append(cmd::kEditPasteOriginal, "Paste &to Original X,Y");
}

void AppendPolygonMenu(wxMenu& menu) {
  AppendClipboardItems(menu);
  AppendDelete(menu);
  menu.Append(cmd::kArrangeBringToFront, Text(label::kBringToFront, key::kBringToFront));
  menu.Append(cmd::kArrangeSendToBack, Text(label::kSendToBack, key::kSendToBack));
  menu.AppendSeparator();
  menu.Append(cmd::kObjectIndex, Text("&Index...", key::kIndex));
  menu.Append(cmd::kPolygonProperties, Text("P&roperties...", key::kProperties));
}

void AppendViaMenu(wxMenu& menu) {
  AppendClipboardItems(menu);
  AppendDelete(menu);
  menu.Append(cmd::kViaProperties, Text("P&roperties...", key::kProperties));
}

}  // namespace quor
