#include "editor/ui/bars/ObjectMenus.h"

#include <wx/menu.h>

#include "editor/ui/CommandIds.h"
#include "editor/ui/CommandLabels.h"

namespace quor {

namespace {

wxString Text(std::string_view label) {
  return wxString::FromUTF8(label.data(), label.size());
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
  menu.Append(cmd::kArrangeBringToFront, Text(label::kBringToFront));
  menu.Append(cmd::kArrangeSendToBack, Text(label::kSendToBack));
  menu.AppendSeparator();
  menu.Append(cmd::kObjectIndex, "&Index...\tCtrl+I");
  menu.Append(cmd::kPolygonProperties, "P&roperties...\tAlt+Enter");
}

void AppendViaMenu(wxMenu& menu) {
  AppendClipboardItems(menu);
  AppendDelete(menu);
  menu.Append(cmd::kViaProperties, "P&roperties...\tAlt+Enter");
}

}  // namespace quor
