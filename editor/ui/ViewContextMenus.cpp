#include "editor/ui/ViewContextMenus.h"

#include "editor/ui/CommandIds.h"
#include "editor/ui/bars/ObjectMenus.h"
#include "editor/ui/view/ViewCore.h"

namespace quor {

std::unique_ptr<wxMenu> CreateViewContextMenu(int menu) {
  auto popup = std::make_unique<wxMenu>();
  switch (menu) {
    case ViewCore::kMenuPolygons:
      AppendPolygonMenu(*popup);
      break;
    case ViewCore::kMenuVias:
      AppendViaMenu(*popup);
      break;
    default:
      AppendClipboardItems(*popup);
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
