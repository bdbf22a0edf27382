// The editing view's three context menus (polygons, vias, empty space or a
// mixed selection) and the update of a pop-up menu's items before it shows.
#pragma once

#include <wx/menu.h>

#include <memory>

namespace quor {

// The menu of ViewCore::kMenuPolygons, kMenuVias or kMenuEmpty.
std::unique_ptr<wxMenu> CreateViewContextMenu(int menu);

// Asks the window's command routing (as the menu bar does) whether each item
// is enabled and checked, and sets it so.
void UpdateMenuItems(wxMenu& menu, wxWindow& router);

}  // namespace quor
