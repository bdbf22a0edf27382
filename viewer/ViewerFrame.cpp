#include "viewer/ViewerFrame.h"

#include <wx/accel.h>
#include <wx/clipbrd.h>
#include <wx/image.h>
#include <wx/menu.h>

#include <vector>

#include "viewer/ViewerCanvas.h"
#include "viewer/ViewerCommand.h"
#include "viewer/ViewerMessage.h"
#include "viewer/ViewerScene.h"
#include "viewer/WindowPlacement.h"

namespace quor::viewer {

namespace {

// Menu ids run from Exit (13) to Help (201).
constexpr int kFirstId = CommandId(ViewerCommand::Exit);
constexpr int kLastId = CommandId(ViewerCommand::Help);

void Append(wxMenu* menu, ViewerCommand command, const char* caption, wxItemKind kind = wxITEM_NORMAL) {
  menu->Append(CommandId(command), wxString::FromUTF8(caption), wxString(), kind);
}

wxMenuBar* CreateViewerMenuBar() {
  auto* view = new wxMenu;
  Append(view, ViewerCommand::Reset, "&Reset\tAlt+R");
  Append(view, ViewerCommand::Copy, "&Copy\tCtrl+C");
  Append(view, ViewerCommand::Exit, "E&xit\tAlt+X");
  auto* options = new wxMenu;
  Append(options, ViewerCommand::Axes, "&AxisOn/Off\tAlt+A", wxITEM_CHECK);
  options->AppendSeparator();
  Append(options, ViewerCommand::WireFrame, "&WireFrame\tAlt+W", wxITEM_CHECK);
  Append(options, ViewerCommand::Filled, "&Filled\tAlt+F", wxITEM_CHECK);
  Append(options, ViewerCommand::Both, "&Both\tAlt+B", wxITEM_CHECK);
  auto* clip = new wxMenu;
  Append(clip, ViewerCommand::NoClipping, "&NoClipping", wxITEM_CHECK);
  Append(clip, ViewerCommand::ClipUpper, "Clip&Upper", wxITEM_CHECK);
  Append(clip, ViewerCommand::ClipLower, "Clip&Lower", wxITEM_CHECK);
  // A menu bar here cannot hold a command of its own: Help sits in a menu of the same name.
  auto* help = new wxMenu;
  Append(help, ViewerCommand::Help, "&Help");
  auto* bar = new wxMenuBar;
  bar->Append(view, "&View");
  bar->Append(options, "&Options");
  bar->Append(clip, "&Clip");
  bar->Append(help, "&Help");
  return bar;
}

// The keys of every command; the menu captions only name some of them.
wxAcceleratorTable CreateViewerAccelerators() {
  struct Key {
    int flags;
    int code;
    ViewerCommand command;
  };
  const Key keys[] = {
      {wxACCEL_ALT, 'X', ViewerCommand::Exit},
      {wxACCEL_NORMAL, WXK_ESCAPE, ViewerCommand::Exit},
      {wxACCEL_ALT, WXK_F4, ViewerCommand::Exit},
      {wxACCEL_NORMAL, WXK_F5, ViewerCommand::RotateXPlus},
      {wxACCEL_NORMAL, WXK_F6, ViewerCommand::RotateYPlus},
      {wxACCEL_NORMAL, WXK_F7, ViewerCommand::RotateZPlus},
      {wxACCEL_CTRL, WXK_F5, ViewerCommand::RotateXMinus},
      {wxACCEL_ALT, WXK_F5, ViewerCommand::RotateXMinus},
      {wxACCEL_SHIFT, WXK_F5, ViewerCommand::RotateXMinus},
      {wxACCEL_CTRL, WXK_F6, ViewerCommand::RotateYMinus},
      {wxACCEL_ALT, WXK_F6, ViewerCommand::RotateYMinus},
      {wxACCEL_SHIFT, WXK_F6, ViewerCommand::RotateYMinus},
      {wxACCEL_CTRL, WXK_F7, ViewerCommand::RotateZMinus},
      {wxACCEL_ALT, WXK_F7, ViewerCommand::RotateZMinus},
      {wxACCEL_SHIFT, WXK_F7, ViewerCommand::RotateZMinus},
      {wxACCEL_NORMAL, WXK_PAGEDOWN, ViewerCommand::ZoomOut},
      {wxACCEL_NORMAL, WXK_NUMPAD_SUBTRACT, ViewerCommand::ZoomOut},
      {wxACCEL_NORMAL, WXK_PAGEUP, ViewerCommand::ZoomIn},
      {wxACCEL_NORMAL, WXK_NUMPAD_ADD, ViewerCommand::ZoomIn},
      {wxACCEL_ALT, 'A', ViewerCommand::Axes},
      {wxACCEL_NORMAL, WXK_F8, ViewerCommand::Axes},
      {wxACCEL_NORMAL, WXK_LEFT, ViewerCommand::PanLeft},
      {wxACCEL_NORMAL, WXK_UP, ViewerCommand::PanUp},
      {wxACCEL_NORMAL, WXK_RIGHT, ViewerCommand::PanRight},
      {wxACCEL_NORMAL, WXK_DOWN, ViewerCommand::PanDown},
      {wxACCEL_ALT, 'W', ViewerCommand::WireFrame},
      {wxACCEL_ALT, 'F', ViewerCommand::Filled},
      {wxACCEL_ALT, 'B', ViewerCommand::Both},
      {wxACCEL_NORMAL, WXK_END, ViewerCommand::CycleClipping},
      {wxACCEL_NORMAL, WXK_INSERT, ViewerCommand::RaiseClip},
      {wxACCEL_NORMAL, WXK_DELETE, ViewerCommand::LowerClip},
      {wxACCEL_CTRL, 'C', ViewerCommand::Copy},
      {wxACCEL_ALT, 'R', ViewerCommand::Reset},
      {wxACCEL_NORMAL, WXK_HOME, ViewerCommand::Reset},
      {wxACCEL_NORMAL, WXK_F1, ViewerCommand::Help},
  };
  std::vector<wxAcceleratorEntry> entries;
  for (const Key& key : keys) entries.emplace_back(key.flags, key.code, CommandId(key.command));
  return wxAcceleratorTable(static_cast<int>(entries.size()), entries.data());
}

wxPoint PositionOf(const WindowPlacement& placement) {
  return placement.defaultPosition ? wxDefaultPosition : wxPoint(placement.x, placement.y);
}

wxSize SizeOf(const WindowPlacement& placement) {
  return placement.defaultSize ? wxDefaultSize : wxSize(placement.width, placement.height);
}

}  // namespace

// clang-format off
wxBEGIN_EVENT_TABLE(ViewerFrame, wxFrame)
  EVT_MENU_RANGE(kFirstId, kLastId, ViewerFrame::OnCommand)
  EVT_UPDATE_UI_RANGE(kFirstId, kLastId, ViewerFrame::OnUpdateCheck)
  EVT_CLOSE(ViewerFrame::OnClose)
  EVT_MENU_OPEN(ViewerFrame::OnMenuOpen)
  EVT_MENU_CLOSE(ViewerFrame::OnMenuClose)
  EVT_CHAR_HOOK(ViewerFrame::OnCharHook)
wxEND_EVENT_TABLE()
    // clang-format on

    ViewerFrame::ViewerFrame(const WindowPlacement& placement, const wxGLAttributes& attributes,
                             PlateStore plates, std::filesystem::path iniPath)
    : wxFrame(nullptr, wxID_ANY, "QUOR View", PositionOf(placement), SizeOf(placement)),
      m_canvas(new ViewerCanvas(this, attributes, std::move(plates))),
      m_iniPath(std::move(iniPath)) {
  SetMenuBar(CreateViewerMenuBar());
  SetAcceleratorTable(CreateViewerAccelerators());
  m_canvas->SetFocus();
}

bool ViewerFrame::HasContext() const {
  return m_canvas->HasContext();
}

void ViewerFrame::OnCommand(wxCommandEvent& event) {
  const int id = event.GetId();
  if (id == CommandId(ViewerCommand::Exit)) {
    Close();
    return;
  }
  if (id == CommandId(ViewerCommand::Help)) {
    ShowViewerMessage("No help is available.", "3D Viewer", wxICON_INFORMATION);
    return;
  }
  if (id == CommandId(ViewerCommand::Copy)) {
    CopyToClipboard();
    return;
  }
  ViewerScene* scene = m_canvas->CurrentScene();
  if (scene == nullptr) return;
  Execute(id, *scene);
  scene->redraw_scene();
}

// Everything but Exit, Help and Copy: the caller redraws afterwards.
void ViewerFrame::Execute(int id, ViewerScene& scene) {
  ViewState& state = scene.State();
  const double step = ViewState::kRotationStep;
  const double pan = state.PanStep();
  switch (static_cast<ViewerCommand>(id)) {
    case ViewerCommand::RotateXPlus:
      return scene.rotate_view(1.0, 0.0, 0.0, step);
    case ViewerCommand::RotateYPlus:
      return scene.rotate_view(0.0, 1.0, 0.0, step);
    case ViewerCommand::RotateZPlus:
      return scene.rotate_view(0.0, 0.0, 1.0, step);
    case ViewerCommand::RotateXMinus:
      return scene.rotate_view(1.0, 0.0, 0.0, -step);
    case ViewerCommand::RotateYMinus:
      return scene.rotate_view(0.0, 1.0, 0.0, -step);
    case ViewerCommand::RotateZMinus:
      return scene.rotate_view(0.0, 0.0, 1.0, -step);
    case ViewerCommand::ZoomOut:
      state.ZoomOut();
      return m_canvas->ResizeViewport();
    case ViewerCommand::ZoomIn:
      state.ZoomIn();
      return m_canvas->ResizeViewport();
    case ViewerCommand::Axes:
      return state.ToggleAxes();
    case ViewerCommand::PanLeft:
      return state.SetPendingPan({-pan, 0.0});
    case ViewerCommand::PanUp:
      return state.SetPendingPan({0.0, pan});
    case ViewerCommand::PanRight:
      return state.SetPendingPan({pan, 0.0});
    case ViewerCommand::PanDown:
      return state.SetPendingPan({0.0, -pan});
    case ViewerCommand::WireFrame:
      return state.ShowOutlinesOnly();
    case ViewerCommand::Filled:
      return state.ShowFilledOnly();
    case ViewerCommand::Both:
      return state.ShowBoth();
    case ViewerCommand::CycleClipping:
      return state.CycleClipping();
    case ViewerCommand::RaiseClip:
      return state.RaiseClip();
    case ViewerCommand::LowerClip:
      return state.LowerClip();
    case ViewerCommand::NoClipping:
      return state.SetClipSign(0);
    case ViewerCommand::ClipUpper:
      return state.SetClipSign(1);
    case ViewerCommand::ClipLower:
      return state.SetClipSign(-1);
    case ViewerCommand::Reset:
      state.Reset();
      scene.reset_view();
      return m_canvas->ResizeViewport();
    case ViewerCommand::None:
    case ViewerCommand::Exit:
    case ViewerCommand::Copy:
    case ViewerCommand::Help:
      return;
  }
}

void ViewerFrame::OnUpdateCheck(wxUpdateUIEvent& event) {
  ViewerScene* scene = m_canvas->CurrentScene();
  if (scene == nullptr) return;
  const ViewState& state = scene->State();
  switch (static_cast<ViewerCommand>(event.GetId())) {
    case ViewerCommand::Axes:
      return event.Check(state.AxesShown());
    case ViewerCommand::WireFrame:
      return event.Check(state.OutlinesShown() && !state.FilledShown());
    case ViewerCommand::Filled:
      return event.Check(!state.OutlinesShown() && state.FilledShown());
    case ViewerCommand::Both:
      return event.Check(state.OutlinesShown() && state.FilledShown());
    case ViewerCommand::NoClipping:
      return event.Check(state.ClipSign() == 0);
    case ViewerCommand::ClipUpper:
      return event.Check(state.ClipSign() == 1);
    case ViewerCommand::ClipLower:
      return event.Check(state.ClipSign() == -1);
    default:
      return;
  }
}

void ViewerFrame::CopyToClipboard() {
  const wxImage image = m_canvas->CaptureClient();
  if (!image.IsOk() || !wxTheClipboard->Open()) return;
  wxTheClipboard->Clear();
  wxTheClipboard->SetData(new wxBitmapDataObject(wxBitmap(image)));  // the clipboard owns it
  wxTheClipboard->Close();
}

void ViewerFrame::SaveWindowRect() const {
  const wxRect rect = GetRect();
  WriteWindowRect(m_iniPath.string(), rect.x, rect.y, rect.width, rect.height);
}

void ViewerFrame::OnMenuOpen(wxMenuEvent& event) {
  ++m_openMenus;
  event.Skip();
}

void ViewerFrame::OnMenuClose(wxMenuEvent& event) {
  if (m_openMenus > 0) --m_openMenus;
  event.Skip();
}

void ViewerFrame::OnCharHook(wxKeyEvent& event) {
  // A menu opened with the mouse may leave the keys to the window: Esc is
  // then meant for the menu, not the Exit accelerator.
  if (event.GetKeyCode() == WXK_ESCAPE && m_openMenus > 0) return;
  event.Skip();
}

void ViewerFrame::OnClose(wxCloseEvent&) {
  SaveWindowRect();
  Destroy();
}

}  // namespace quor::viewer
