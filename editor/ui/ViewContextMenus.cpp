#include "editor/ui/ViewContextMenus.h"

#include "editor/ui/CommandIds.h"
#include "editor/ui/view/ViewCore.h"

namespace quor {

namespace {

void AppendClipboardItems(wxMenu& menu) {
  menu.Append(cmd::kEditCut, "C&ut");
  menu.Append(cmd::kEditCopy, "&Copy");
  menu.Append(cmd::kEditPaste, "&Paste");
  menu.Append(cmd::kEditPasteOriginal, "Paste &to Original X,Y");
}

}  // namespace

std::unique_ptr<wxMenu> CreateViewContextMenu(int menu) {
  auto popup = std::make_unique<wxMenu>();
  AppendClipboardItems(*popup);
  switch (menu) {
    case ViewCore::kMenuPolygons:
      popup->Append(cmd::kEditDelete, "&Delete");
      popup->AppendSeparator();
      popup->Append(cmd::kArrangeBringToFront, "Bring to &Front\tCtrl+F");
      popup->Append(cmd::kArrangeSendToBack, "Send to &Back\tCtrl+B");
      popup->AppendSeparator();
      popup->Append(cmd::kObjectIndex, "&Index...\tCtrl+I");
      popup->Append(cmd::kPolygonProperties, "P&roperties...\tAlt+Enter");
      break;
    case ViewCore::kMenuVias:
      popup->Append(cmd::kEditDelete, "&Delete");
      popup->AppendSeparator();
      popup->Append(cmd::kViaProperties, "P&roperties...\tAlt+Enter");
      break;
    default:
      popup->AppendSeparator();
      popup->AppendCheckItem(cmd::kViewShowGrid, "Show &Grid");
      popup->AppendCheckItem(cmd::kViewSnapToGrid, "Snap to Grid");
      break;
  }
  return popup;
}

void UpdateMenuItems(wxMenu& menu, wxWindow& router) {
  for (wxMenuItem* item : menu.GetMenuItems()) {
    if (item->IsSeparator()) continue;
    wxUpdateUIEvent update(item->GetId());
    update.SetEventObject(&router);
    if (!router.ProcessWindowEvent(update)) continue;
    if (update.GetSetEnabled()) item->Enable(update.GetEnabled());
    if (update.GetSetChecked() && item->IsCheckable()) item->Check(update.GetChecked());
  }
}

}  // namespace quor
