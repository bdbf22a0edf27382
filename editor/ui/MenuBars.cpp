#include "editor/ui/MenuBars.h"

#include <wx/filehistory.h>
#include <wx/menu.h>

#include <span>
#include <string_view>
#include <vector>

#include "editor/ui/CommandIds.h"
#include "editor/ui/CommandLabels.h"
#include "editor/ui/CommandPrompts.h"

namespace quor {

namespace {

enum class Kind { Item, Check, Separator, Submenu, EndSubmenu, Recent };

struct MenuEntry {
  Kind kind;
  int id;
  std::string_view text;
};

constexpr MenuEntry Item(int id, std::string_view text) {
  return {Kind::Item, id, text};
}
constexpr MenuEntry Check(int id, std::string_view text) {
  return {Kind::Check, id, text};
}
constexpr MenuEntry Submenu(std::string_view text) {
  return {Kind::Submenu, 0, text};
}
constexpr MenuEntry kSeparator{Kind::Separator, 0, {}};
constexpr MenuEntry kEnd{Kind::EndSubmenu, 0, {}};
constexpr MenuEntry kRecent{Kind::Recent, cmd::kFileMruFile1, "Recent Files"};

// wx cannot parse the keypad names of the original labels.
constexpr std::string_view kZoomIn = "Zoom &In\tKP_Add";
constexpr std::string_view kZoomOut = "Zoom &Out\tKP_Subtract";

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
    Item(cmd::kHelpContents, "&Contents\tF1"),
    kSeparator,
    Item(cmd::kAppAbout, "&About QUOR..."),
    kEnd,
};

constexpr MenuEntry kMenu128[] = {
    Submenu("&File"),
    Item(cmd::kFileNew, "&New\tCtrl+N"),
    Item(cmd::kFileOpen, "&Open...\tCtrl+O"),
    Item(cmd::kFileImport, "&Import..."),
    kSeparator,
    kRecent,
    kSeparator,
    Item(cmd::kAppExit, "E&xit\tAlt+F4"),
    kEnd,
    Submenu("&View"),
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
    Item(cmd::kFileNew, "&New\tCtrl+N"),
    Item(cmd::kFileOpen, "&Open...\tCtrl+O"),
    Item(cmd::kFileClose, "&Close\tCtrl+W"),
    Item(cmd::kFileSave, "&Save\tCtrl+S"),
    Item(cmd::kFileSaveAs, "Save &As..."),
    kSeparator,
    Item(cmd::kFileImport, "&Import..."),
    Item(cmd::kFileExport, "&Export..."),
    kSeparator,
    kRecent,
    kSeparator,
    Item(cmd::kAppExit, "E&xit\tAlt+F4"),
    kEnd,
    Submenu("&Edit"),
    Item(cmd::kEditUndo, "&Undo\tCtrl+Z"),
    Item(cmd::kEditRedo, "&Redo\tCtrl+Y"),
    kSeparator,
    Item(cmd::kEditCut, "Cu&t\tCtrl+X"),
    Item(cmd::kEditCopy, "&Copy\tCtrl+C"),
    Item(cmd::kEditPaste, "&Paste\tCtrl+V"),
    Item(cmd::kEditPasteOriginal, "Paste &to Original X,Y\tCtrl+T"),
    Item(cmd::kEditDelete, "Delete\tDel"),
    kSeparator,
    Item(cmd::kEditSelectAll, "Select &All\tCtrl+A"),
    kEnd,
    Submenu("&View"),
};

constexpr MenuEntry kMenu129View[] = {
    Check(cmd::kViewLayers, "&Layers"),
    Check(cmd::kViewProjectBar, "&Project Bar"),
    Check(cmd::kViewStatusBar, "&Status Bar"),
    kSeparator,
    Check(cmd::kViewPan, "Pan\tF7"),
    Check(cmd::kViewZoom, "Zoom\tF8"),
    Item(cmd::kViewZoomIn, kZoomIn),
    Item(cmd::kViewZoomOut, kZoomOut),
    Item(cmd::kViewZoomAll, "Zoom &All\tCtrl+F8"),
    kSeparator,
    Check(cmd::kViewShowGrid, "Show &Grid"),
    Check(cmd::kViewSnapToGrid, "Snap to Grid"),
    Submenu("&Draw Mode"),
    Check(cmd::kViewRenderNormal, "&Normal"),
    Check(cmd::kViewRenderWireFrame, "&WireFrame"),
    kEnd,
    kSeparator,
    Item(cmd::kView3DView, "&3D View\tCtrl+F4"),
    Item(cmd::kViewProperties, "Properties\tAlt+Enter"),
    kEnd,
    Submenu("&Arrange"),
    Item(cmd::kArrangeBringToFront, label::kBringToFront),
    Item(cmd::kArrangeSendToBack, label::kSendToBack),
    kSeparator,
    Item(cmd::kArrangeSubtract, "&Subtract"),
    kEnd,
    Submenu("&Draw"),
    Check(cmd::kToolPolyline, "&Polyline\tF4"),
    Check(cmd::kToolRectangle, "&Rectangle\tF5"),
    Check(cmd::kToolVia, "&Via\tF6"),
    kEnd,
    Submenu("&Project"),
    Item(cmd::kProjectNewLayer, "New &Layer...\tCtrl+L"),
    Item(cmd::kProjectNewPolygon, "New &Polygon..."),
    Item(cmd::kProjectNewVia, "New &Via..."),
    kSeparator,
    Item(cmd::kProjectFootprint, "&Footprint..."),
    Item(cmd::kProjectMetallization, "&Metallization..."),
    kSeparator,
    Item(cmd::kProjectSettings, "&Settings..."),
    kEnd,
    Submenu("&Compute"),
    Item(cmd::kComputeCheck, "C&heck\tCtrl+F2"),
    Item(cmd::kComputeSegment, "&Segment\tCtrl+F3"),
    Item(cmd::kComputeRun, "&Run\tCtrl+F5"),
    Item(cmd::kComputeAutoRun, "&AutoRun\tCtrl+F6"),
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
    const wxString text = wxString::FromUTF8(entry.text.data(), entry.text.size());
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
