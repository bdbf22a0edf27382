#include "editor/ui/MenuBars.h"

#include <wx/filehistory.h>
#include <wx/menu.h>

#include <span>
#include <string_view>
#include <vector>

#include "editor/ui/CommandIds.h"
#include "editor/ui/CommandLabels.h"
#include "editor/ui/CommandPrompts.h"
#include "editor/ui/HotKeys.h"

namespace quor {

namespace {

enum class Kind { Item, Check, Separator, Submenu, EndSubmenu, Recent };

struct MenuEntry {
  Kind kind;
  int id;
  std::string_view text;
  HotKey key{};
};

constexpr MenuEntry Item(int id, std::string_view text, HotKey key = {}) {
  return {Kind::Item, id, text, key};
}
constexpr MenuEntry Check(int id, std::string_view text, HotKey key = {}) {
  return {Kind::Check, id, text, key};
}
constexpr MenuEntry Submenu(std::string_view text) {
  return {Kind::Submenu, 0, text};
}
constexpr MenuEntry kSeparator{Kind::Separator, 0, {}};
constexpr MenuEntry kEnd{Kind::EndSubmenu, 0, {}};
constexpr MenuEntry kRecent{Kind::Recent, cmd::kFileMruFile1, "Recent Files"};
// The File menu's items that both menu bars have.
constexpr MenuEntry kNewItem = Item(cmd::kFileNew, "&New", key::kNew);
constexpr MenuEntry kOpenItem = Item(cmd::kFileOpen, "&Open...", key::kOpen);
constexpr MenuEntry kImportItem = Item(cmd::kFileImport, "&Import...");
constexpr MenuEntry kExitItem = Item(cmd::kAppExit, "E&xit", key::kExit);

constexpr MenuEntry kToolbarsMenu[] = {
    Submenu("&Toolbars"),
    Check(cmd::kViewStandardBar, "&Standard"),
    Check(cmd::kViewToolsBar, "&Tools"),
    Check(cmd::kViewInfoBar, "&Info"),
    Check(cmd::kViewComputeBar, "&Compute"),
    kEnd,
};

constexpr MenuEntry kHelpMenu[] = {
    Submenu("&Help"),
    Item(cmd::kHelpContents, "&Contents", key::kHelp),
    kSeparator,
    Item(cmd::kAppAbout, "&About QUOR..."),
    kEnd,
};

constexpr MenuEntry kMenu128[] = {
    Submenu("&File"), kNewItem,   kOpenItem, kImportItem, kSeparator,
    kRecent,          kSeparator, kExitItem, kEnd,        Submenu("&View"),
};

constexpr MenuEntry kMenu128View[] = {
    Check(cmd::kViewLayers, "&Layers"),
    Check(cmd::kViewProjectBar, "&Project Bar"),
    Check(cmd::kViewStatusBar, "&Status Bar"),
    kEnd,
    Submenu("&Project"),
    Item(cmd::kProjectSettings, "&Settings..."),
    kEnd,
};

constexpr MenuEntry kMenu129[] = {
    Submenu("&File"),
    kNewItem,
    kOpenItem,
    Item(cmd::kFileClose, "&Close", key::kClose),
    Item(cmd::kFileSave, "&Save", key::kSave),
    Item(cmd::kFileSaveAs, "Save &As..."),
    kSeparator,
    kImportItem,
    Item(cmd::kFileExport, "&Export..."),
    kSeparator,
    kRecent,
    kSeparator,
    kExitItem,
    kEnd,
    Submenu("&Edit"),
    Item(cmd::kEditUndo, "&Undo", key::kUndo),
    Item(cmd::kEditRedo, "&Redo", key::kRedo),
    kSeparator,
    Item(cmd::kEditCut, "Cu&t", key::kCut),
    Item(cmd::kEditCopy, "&Copy", key::kCopy),
    Item(cmd::kEditPaste, "&Paste", key::kPaste),
    Item(cmd::kEditPasteOriginal, "Paste &to Original X,Y", key::kPasteOriginal),
    Item(cmd::kEditDelete, "Delete", key::kDelete),
    kSeparator,
    Item(cmd::kEditSelectAll, "Select &All", key::kSelectAll),
    kEnd,
    Submenu("&View"),
};

constexpr MenuEntry kMenu129View[] = {
    Check(cmd::kViewLayers, "&Layers"),
    Check(cmd::kViewProjectBar, "&Project Bar"),
    Check(cmd::kViewStatusBar, "&Status Bar"),
    kSeparator,
    Check(cmd::kViewPan, "Pan", key::kPan),
    Check(cmd::kViewZoom, "Zoom", key::kZoom),
    Item(cmd::kViewZoomIn, "Zoom &In", key::kZoomIn),
    Item(cmd::kViewZoomOut, "Zoom &Out", key::kZoomOut),
    Item(cmd::kViewZoomAll, "Zoom &All", key::kZoomAll),
    kSeparator,
    Check(cmd::kViewShowGrid, "Show &Grid"),
    Check(cmd::kViewSnapToGrid, "Snap to Grid"),
    Submenu("&Draw Mode"),
    Check(cmd::kViewRenderNormal, "&Normal"),
    Check(cmd::kViewRenderWireFrame, "&WireFrame"),
    kEnd,
    kSeparator,
    Item(cmd::kView3DView, "&3D View", key::k3DView),
    Item(cmd::kViewProperties, "Properties", key::kProperties),
    kEnd,
    Submenu("&Arrange"),
    Item(cmd::kArrangeBringToFront, label::kBringToFront, key::kBringToFront),
    Item(cmd::kArrangeSendToBack, label::kSendToBack, key::kSendToBack),
    kSeparator,
    Item(cmd::kArrangeSubtract, "&Subtract"),
    kEnd,
    Submenu("&Draw"),
    Check(cmd::kToolPolyline, "&Polyline", key::kPolyline),
    Check(cmd::kToolRectangle, "&Rectangle", key::kRectangle),
    Check(cmd::kToolVia, "&Via", key::kVia),
    kEnd,
    Submenu("&Project"),
    Item(cmd::kProjectNewLayer, "New &Layer...", key::kNewLayer),
    Item(cmd::kProjectNewPolygon, "New &Polygon..."),
    Item(cmd::kProjectNewVia, "New &Via..."),
    kSeparator,
    Item(cmd::kProjectFootprint, "&Footprint..."),
    Item(cmd::kProjectMetallization, "&Metallization..."),
    kSeparator,
    Item(cmd::kProjectSettings, "&Settings..."),
    kEnd,
    Submenu("&Compute"),
    Item(cmd::kComputeCheck, "C&heck", key::kCheck),
    Item(cmd::kComputeSegment, "&Segment", key::kSegment),
    Item(cmd::kComputeRun, "&Run", key::kRun),
    Item(cmd::kComputeAutoRun, "&AutoRun", key::kAutoRun),
    kEnd,
    Submenu("&List"),
    Item(cmd::kListCParameters, "&C Parameters"),
    Item(cmd::kListCkt, "C&kt"),
    Item(cmd::kListYParameters, "&Y  Parameters"),
    kEnd,
    Submenu("&Window"),
    Item(cmd::kWindowCascade, "&Cascade"),
    Item(cmd::kWindowTile, "&Tile"),
    Item(cmd::kWindowArrange, "&Arrange Icons"),
    kEnd,
};

class MenuBuilder {
 public:
  MenuBuilder(wxMenuBar& bar, wxFileHistory& history) : m_bar(bar), m_history(history) {}

  void Add(std::span<const MenuEntry> entries) {
    for (const MenuEntry& entry : entries) Add(entry);
  }

 private:
  void Add(const MenuEntry& entry) {
    const wxString text = wxString::FromUTF8(WithKey(entry.text, entry.key));
    switch (entry.kind) {
      case Kind::Submenu:
        m_open.push_back({new wxMenu, text});
        return;
      case Kind::EndSubmenu:
        Close();
        return;
      case Kind::Separator:
        Current().AppendSeparator();
        return;
      case Kind::Recent: {
        auto* recent = new wxMenu;
        m_history.UseMenu(recent);
        m_history.AddFilesToMenu(recent);
        Current().AppendSubMenu(recent, text);
        return;
      }
      case Kind::Item:
      case Kind::Check:
        Current().Append(entry.id, text, wxString::FromUTF8(GetCommandPrompt(entry.id).prompt),
                         entry.kind == Kind::Check ? wxITEM_CHECK : wxITEM_NORMAL);
        return;
    }
  }

  wxMenu& Current() { return *m_open.back().menu; }

  void Close() {
    const OpenMenu finished = m_open.back();
    m_open.pop_back();
    if (m_open.empty()) {
      m_bar.Append(finished.menu, finished.title);
    } else {
      Current().AppendSubMenu(finished.menu, finished.title);
    }
  }

  struct OpenMenu {
    wxMenu* menu;  // owned by its parent once closed
    wxString title;
  };

  wxMenuBar& m_bar;
  wxFileHistory& m_history;
  std::vector<OpenMenu> m_open;
};

}  // namespace

wxMenuBar* CreateMenuBar(MenuResource resource, wxFileHistory& history) {
  auto* bar = new wxMenuBar;
  MenuBuilder builder(*bar, history);
  const bool project = resource == MenuResource::Project;
  builder.Add(project ? std::span<const MenuEntry>(kMenu129) : std::span<const MenuEntry>(kMenu128));
  builder.Add(kToolbarsMenu);
  builder.Add(project ? std::span<const MenuEntry>(kMenu129View) : std::span<const MenuEntry>(kMenu128View));
  builder.Add(kHelpMenu);
  return bar;
}

}  // namespace quor
