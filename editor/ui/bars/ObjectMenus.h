// The context menus of a polygon and of a via, which the editing view and
// the project tree both pop up: one list of items, with the keys the main
// menu gives them.
#pragma once

class wxMenu;

namespace quor {

// Cut, Copy, Paste and Paste to Original X,Y.
void AppendClipboardItems(wxMenu& menu);
// The clipboard items, Delete, Bring to Front, Send to Back, Index and Properties.
void AppendPolygonMenu(wxMenu& menu);
// The clipboard items, Delete and Properties.
void AppendViaMenu(wxMenu& menu);

}  // namespace quor
