#include "editor/ui/MainToolbars.h"

#include <wx/aui/auibar.h>
#include <wx/frame.h>

#include <span>

#include "editor/ui/ArtBitmaps.h"
#include "editor/ui/CommandIds.h"
#include "editor/ui/CommandPrompts.h"

namespace quor {

namespace {

constexpr int kSeparator = 0;

constexpr int kStandardButtons[] = {cmd::kFileNew,    cmd::kFileOpen,    cmd::kFileSave,   kSeparator,
                                    cmd::kEditCut,    cmd::kEditCopy,    cmd::kEditPaste,  kSeparator,
                                    cmd::kViewZoomIn, cmd::kViewZoomOut, cmd::kViewZoomAll};

constexpr int kToolsButtons[] = {cmd::kToolSelect,    cmd::kToolPolylineNode, cmd::kToolPolyline,
                                 cmd::kToolRectangle, cmd::kToolVia,          cmd::kViewPan,
                                 cmd::kViewZoom};

constexpr int kComputeButtons[] = {cmd::kComputeCheck, cmd::kComputeSegment, cmd::kView3DView,
                                   cmd::kComputeRun,   cmd::kComputeAutoRun, cmd::kListResults};

std::span<const int> Buttons(ToolbarResource resource) {
  switch (resource) {
    case ToolbarResource::Standard:
      return kStandardButtons;
    case ToolbarResource::Tools:
      return kToolsButtons;
    case ToolbarResource::Compute:
      return kComputeButtons;
  }
  return {};
}

// The button under the pointer gives its prompt to the frame's status bar.
void ShowPromptsOnHover(wxAuiToolBar& bar) {
  const auto giveHelp = [&bar](const wxAuiToolBarItem* item) {
    if (auto* frame = dynamic_cast<wxFrame*>(wxGetTopLevelParent(&bar))) {
      frame->DoGiveHelp(item != nullptr ? item->GetLongHelp() : wxString(), item != nullptr);
    }
  };
  bar.Bind(wxEVT_MOTION, [&bar, giveHelp](wxMouseEvent& event) {
    giveHelp(bar.FindToolByPosition(event.GetX(), event.GetY()));
    event.Skip();
  });
  bar.Bind(wxEVT_LEAVE_WINDOW, [giveHelp](wxMouseEvent& event) {
    giveHelp(nullptr);
    event.Skip();
  });
}

}  // namespace

wxAuiToolBar* CreateToolbar(wxWindow* parent, ToolbarResource resource) {
  auto* bar = new wxAuiToolBar(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                               wxAUI_TB_DEFAULT_STYLE | wxAUI_TB_GRIPPER);
  // The tools show which one is current, as check marks do in the menus.
  const wxItemKind kind = resource == ToolbarResource::Tools ? wxITEM_CHECK : wxITEM_NORMAL;
  for (const int command : Buttons(resource)) {
    if (command == kSeparator) {
      bar->AddSeparator();
      continue;
    }
    const CommandPrompt prompt = GetCommandPrompt(command);
    const wxBitmap bitmap = LoadToolbarBitmap(command);
    if (!bitmap.IsOk()) {
      bar->Destroy();
      return nullptr;
    }
    bar->AddTool(command, wxString(), bitmap, wxString::FromUTF8(prompt.tooltip), kind);
    bar->SetToolLongHelp(command, wxString::FromUTF8(prompt.prompt));
  }
  if (!bar->Realize()) {
    bar->Destroy();
    return nullptr;
  }
  ShowPromptsOnHover(*bar);
  return bar;
}

}  // namespace quor
