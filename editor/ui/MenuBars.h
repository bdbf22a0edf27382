// The two menu bars: 128 while no project is open (the main frame's) and 129
// with a project (each child frame's).
#pragma once

class wxFileHistory;
class wxMenuBar;

namespace quor {

enum class MenuResource { NoProject = 128, Project = 129 };

// The recent-file list is shown in the File menu's "Recent Files" entry; the
// caller removes that menu from the history before the bar is destroyed.
wxMenuBar* CreateMenuBar(MenuResource resource, wxFileHistory& history);

}  // namespace quor
