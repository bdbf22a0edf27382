#include "editor/ui/ViewCanvas.h"

#include <wx/dcclient.h>
#include <wx/menu.h>
#include <wx/region.h>
#include <wx/settings.h>

#include <algorithm>
#include <cstdlib>

#include "editor/ui/CCrtanjeView.h"
#include "editor/ui/view/MouseFlags.h"
#include "editor/ui/view/ViewCore.h"
#include "platform/win/WinTypes.h"

namespace quor {

namespace {

// One notch of a wheel, as the core counts them.
constexpr int kWheelNotch = 120;

// The Win32 virtual key of a wx key the view or its tools handle; 0 for others.
unsigned VirtualKey(const wxKeyEvent& event) {
  const int code = event.GetKeyCode();
  switch (code) {
    case WXK_ESCAPE:
      return win::VK_ESCAPE;
    case WXK_LEFT:
      return win::VK_LEFT;
    case WXK_UP:
      return win::VK_UP;
    case WXK_RIGHT:
      return win::VK_RIGHT;
    case WXK_DOWN:
      return win::VK_DOWN;
    case WXK_DELETE:
      return win::VK_DELETE;
    case WXK_SHIFT:
      return win::VK_SHIFT;
    case WXK_CONTROL:
      return win::VK_CONTROL;
    default:
      // Letters and digits are their own virtual keys.
      if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9')) return static_cast<unsigned>(code);
      return 0;
  }
}

// The keys the view acts on; the others go on to the framework.
bool IsViewKey(unsigned key) {
  return key == win::VK_ESCAPE || (key >= win::VK_LEFT && key <= win::VK_DOWN) || key == win::VK_DELETE;
}

unsigned KeyFlags(const wxKeyboardState& event) {
  unsigned flags = 0;
  if (event.ShiftDown()) flags |= MK_SHIFT;
  if (event.ControlDown()) flags |= MK_CONTROL;
  return flags;
}

unsigned KeyFlags(const wxMouseEvent& event) {
  unsigned flags = 0;
  if (event.LeftIsDown()) flags |= MK_LBUTTON;
  if (event.ShiftDown()) flags |= MK_SHIFT;
  if (event.ControlDown()) flags |= MK_CONTROL;
  return flags;
}

// The new scroll position along one axis for a scroll bar event.
int ScrollTarget(const wxScrollWinEvent& event, int current, int line, int page, int total) {
  const wxEventType type = event.GetEventType();
  if (type == wxEVT_SCROLLWIN_TOP) return 0;
  if (type == wxEVT_SCROLLWIN_BOTTOM) return total;
  if (type == wxEVT_SCROLLWIN_LINEUP) return current - line;
  if (type == wxEVT_SCROLLWIN_LINEDOWN) return current + line;
  if (type == wxEVT_SCROLLWIN_PAGEUP) return current - page;
  if (type == wxEVT_SCROLLWIN_PAGEDOWN) return current + page;
  return event.GetPosition();  // the thumb dragged or let go
}

}  // namespace

// clang-format off
wxBEGIN_EVENT_TABLE(ViewCanvas, wxWindow)
  EVT_PAINT(ViewCanvas::OnPaint)
  EVT_SIZE(ViewCanvas::OnSize)
  EVT_SCROLLWIN(ViewCanvas::OnScroll)
  EVT_MOUSEWHEEL(ViewCanvas::OnMouseWheel)
  EVT_MOTION(ViewCanvas::OnMouseMove)
  EVT_LEFT_DOWN(ViewCanvas::OnLeftDown)
  EVT_LEFT_UP(ViewCanvas::OnLeftUp)
  EVT_LEFT_DCLICK(ViewCanvas::OnLeftDClick)
  EVT_KEY_DOWN(ViewCanvas::OnKeyDown)
  EVT_KEY_UP(ViewCanvas::OnKeyUp)
  EVT_KILL_FOCUS(ViewCanvas::OnKillFocus)
  EVT_SET_CURSOR(ViewCanvas::OnSetCursor)
  EVT_CONTEXT_MENU(ViewCanvas::OnContextMenu)
  EVT_MOUSE_CAPTURE_LOST(ViewCanvas::OnCaptureLost)
wxEND_EVENT_TABLE();
// clang-format on

ViewCanvas::ViewCanvas(wxWindow* parent, CCrtanjeView& view)
    : wxWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
               wxHSCROLL | wxVSCROLL | wxFULL_REPAINT_ON_RESIZE),
      m_view(&view),
      m_buffer(1, 1) {
  // Painting covers the whole client area; nothing is erased first.
  SetBackgroundStyle(wxBG_STYLE_PAINT);
}

ViewCanvas::~ViewCanvas() {
  if (m_view != nullptr) m_view->OnCanvasDestroyed();
}

ViewCore* ViewCanvas::Core() const {
  return m_view != nullptr ? m_view->GetCore() : nullptr;
}

namespace {

// A bar shows while the content is larger than the window in its direction,
// with the client size as its thumb. Otherwise it has no range at all: a
// range below the thumb would look to the toolkit like content scrolled past
// its end, and it would shade that edge.
void SetBar(wxWindow& window, int orientation, int position, int client, int total) {
  if (total <= client) {
    window.SetScrollbar(orientation, 0, 0, 0);
    return;
  }
  window.SetScrollbar(orientation, position, client, total);
}

}  // namespace

void ViewCanvas::SetScrollBars(const ScrollBars& bars) {
  const wxSize client = GetClientSize();
  // A window that cannot hold its bars (a new one passes through such sizes
  // before it is laid out) shows none: the toolkit could not lay them out.
  const int room = 2 * std::max(wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, this),
                                wxSystemSettings::GetMetric(wxSYS_HSCROLL_Y, this));
  const bool fits = client.x >= room && client.y >= room;
  SetBar(*this, wxHORIZONTAL, bars.position.x, client.x, fits ? bars.total.cx : 0);
  SetBar(*this, wxVERTICAL, bars.position.y, client.y, fits ? bars.total.cy : 0);
}

void ViewCanvas::Repaint() {
  // A change made while the scene is being drawn is already in the picture.
  if (m_rendering) return;
  m_sceneStale = true;
  Refresh(false);
  Update();
}

void ViewCanvas::DrawXor(const std::function<void(DrawContext&)>& figure) {
  m_buffer.ResetState();
  m_buffer.SetRasterOp(RasterOp::XorPen);
  figure(m_buffer);
  m_buffer.ResetState();
  Present(m_buffer.TakeDamage());
}

void ViewCanvas::Present(const DeviceRect& area) {
  if (area.left >= area.right || area.top >= area.bottom) return;
  RefreshRect(wxRect(area.left, area.top, area.right - area.left, area.bottom - area.top), false);
  Update();
}

void ViewCanvas::SyncClientSize(ViewCore& core) {
  const wxSize size = GetClientSize();
  const DeviceSize client{size.x, size.y};
  if (core.GetClientSize() != client) core.SetClientSize(client);
}

bool ViewCanvas::RenderScene(ViewCore& core) {
  const wxSize size = GetClientSize();
  if (!m_buffer.Resize(size.x, size.y)) {
    // Said after the paint: a message box inside it would paint again.
    CallAfter([this] {
      if (ViewCore* later = Core()) later->ReportPaintFailure("Function CreateCompatibleBitmap failed");
    });
    return false;
  }
  SyncClientSize(core);
  m_rendering = true;
  m_buffer.ResetState();
  core.OnDraw(m_buffer);
  m_buffer.ResetState();
  // The whole buffer is copied below; what changed no longer matters.
  m_buffer.TakeDamage();
  m_rendering = false;
  m_sceneStale = false;
  return true;
}

void ViewCanvas::OnPaint(wxPaintEvent&) {
  wxPaintDC dc(this);
  ViewCore* core = Core();
  if (core == nullptr) return;
  if (m_sceneStale && !RenderScene(*core)) return;
  for (wxRegionIterator area(GetUpdateRegion()); area; ++area) {
    const wxRect r = area.GetRect();
    m_buffer.Blit(dc, {r.x, r.y, r.x + r.width, r.y + r.height});
  }
}

void ViewCanvas::OnSize(wxSizeEvent& event) {
  if (ViewCore* core = Core()) SyncClientSize(*core);
  // Painted when the toolkit has laid the window out, not at once: the first
  // sizes a new window passes through are not the one it is shown at.
  m_sceneStale = true;
  Refresh(false);
  event.Skip();
}

void ViewCanvas::OnScroll(wxScrollWinEvent& event) {
  ViewCore* core = Core();
  if (core == nullptr) return;
  const ScrollBars& bars = core->GetScrollBars();
  DevicePoint position = bars.position;
  if (event.GetOrientation() == wxHORIZONTAL) {
    position.x = ScrollTarget(event, position.x, bars.line.cx, bars.page.cx, bars.total.cx);
  } else {
    position.y = ScrollTarget(event, position.y, bars.line.cy, bars.page.cy, bars.total.cy);
  }
  core->ScrollTo(position);
}

void ViewCanvas::OnMouseWheel(wxMouseEvent& event) {
  ViewCore* core = Core();
  if (core == nullptr || event.GetWheelAxis() != wxMOUSE_WHEEL_VERTICAL || event.GetWheelDelta() <= 0) {
    event.Skip();
    return;
  }
  // One step of the core per whole notch; a smooth device's fractions add up.
  m_wheelRotation += event.GetWheelRotation();
  const int notches = m_wheelRotation / event.GetWheelDelta();
  m_wheelRotation -= notches * event.GetWheelDelta();
  const DevicePoint point{event.GetX(), event.GetY()};
  for (int i = 0; i < std::abs(notches); ++i) {
    core->OnMouseWheel(KeyFlags(event), notches > 0 ? kWheelNotch : -kWheelNotch, point);
  }
}

void ViewCanvas::OnMouseMove(wxMouseEvent& event) {
  if (m_view != nullptr) {
    const DevicePoint point{event.GetX(), event.GetY()};
    m_view->ShowCoordinates(point);
    m_view->ToolMouseMove(KeyFlags(event), point);
  }
  event.Skip();
}

void ViewCanvas::OnLeftDown(wxMouseEvent& event) {
  // A drag that leaves the window still reports to it.
  if (!HasCapture()) CaptureMouse();
  SetFocus();
  if (m_view != nullptr) m_view->ToolLButtonDown(KeyFlags(event), {event.GetX(), event.GetY()});
  event.Skip();
}

void ViewCanvas::OnLeftUp(wxMouseEvent& event) {
  if (HasCapture()) ReleaseMouse();
  if (m_view != nullptr) m_view->ToolLButtonUp(KeyFlags(event), {event.GetX(), event.GetY()});
  event.Skip();
}

void ViewCanvas::OnLeftDClick(wxMouseEvent& event) {
  if (m_view != nullptr) m_view->ToolLButtonDblClk(KeyFlags(event), {event.GetX(), event.GetY()});
  event.Skip();
}

void ViewCanvas::OnKeyDown(wxKeyEvent& event) {
  const unsigned key = VirtualKey(event);
  if (m_view == nullptr || key == 0) {
    event.Skip();
    return;
  }
  m_view->OnKeyDown(key, 1, KeyFlags(event));
  // The view's own keys end here: passed on, the arrows would move the focus.
  if (!IsViewKey(key)) event.Skip();
}

void ViewCanvas::OnKeyUp(wxKeyEvent& event) {
  const unsigned key = VirtualKey(event);
  if (m_view != nullptr && key != 0) m_view->ToolKeyUp(key, 1, KeyFlags(event));
  event.Skip();
}

void ViewCanvas::OnKillFocus(wxFocusEvent& event) {
  event.Skip();
  if (m_view != nullptr) m_view->ToolKillFocus();
}

void ViewCanvas::OnSetCursor(wxSetCursorEvent& event) {
  if (m_view == nullptr || !m_view->ToolSetCursor()) event.Skip();
}

void ViewCanvas::OnContextMenu(wxContextMenuEvent& event) {
  if (m_view == nullptr) return;
  // From the keyboard the menu comes where the mouse is, or in the middle.
  wxPoint point = event.GetPosition();
  if (point == wxDefaultPosition) {
    point = ScreenToClient(wxGetMousePosition());
    if (!GetClientRect().Contains(point)) point = wxPoint(GetClientSize().x / 2, GetClientSize().y / 2);
  } else {
    point = ScreenToClient(point);
  }
  m_view->OnContextMenu({point.x, point.y});
}

int ViewCanvas::RunPopupMenu(wxMenu& menu, DevicePoint point) {
  return GetPopupMenuSelectionFromUser(menu, wxPoint(point.x, point.y));
}

void ViewCanvas::OnCaptureLost(wxMouseCaptureLostEvent&) {
  // Another window took the mouse (a dialog that a command opened mid-drag):
  // the tool can no longer follow the drag, so its gesture is put back now.
  if (m_view != nullptr) m_view->CancelTool();
}

}  // namespace quor
