// The main frame's three toolbars, each a list of command ids with the
// pictures and tooltips of those commands.
#pragma once

class wxAuiToolBar;
class wxWindow;

namespace quor {

enum class ToolbarResource { Standard = 128, Tools = 163, Compute = 253 };

// The toolbar, realised; null when it cannot be created. (wx window ids stop
// below the bars' original ids, so the frame knows its bars by pointer.)
wxAuiToolBar* CreateToolbar(wxWindow* parent, ToolbarResource resource);

}  // namespace quor
