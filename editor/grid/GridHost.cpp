#include "editor/grid/GridHost.h"

#include <wx/app.h>
#include <wx/dcclient.h>
#include <wx/scrolbar.h>
#include <wx/settings.h>

#include <algorithm>

#include "editor/grid/GridWndProc.h"
#include "platform/win/WindowSystem.h"

wxDEFINE_EVENT(QUOR_EVT_GRID_NOTIFY, wxCommandEvent);

namespace quor::grid {

using namespace win;

namespace {

// Whatever the grids invalidate or post is delivered from the wx loop.
void InstallWake(WindowSystem& system) {
  auto pending = std::make_shared<bool>(false);
  system.SetWakeHandler([&system, pending] {
    if (*pending || !wxTheApp) return;
    *pending = true;
    wxTheApp->CallAfter([&system, pending] {
      *pending = false;
      system.PumpMessages();
    });
  });
}

// The virtual key of a wx key that the grid handles as WM_KEYDOWN, 0 for none.
UINT VirtualKey(int keyCode) {
  switch (keyCode) {
    case WXK_DOWN:
      return VK_DOWN;
    case WXK_UP:
      return VK_UP;
    case WXK_LEFT:
      return VK_LEFT;
    case WXK_RIGHT:
      return VK_RIGHT;
    case WXK_PAGEDOWN:
      return VK_NEXT;
    case WXK_PAGEUP:
      return VK_PRIOR;
    case WXK_DELETE:
      return VK_DELETE;
    case WXK_BACK:
      return VK_BACK;
    default:
      if (keyCode >= WXK_F1 && keyCode <= WXK_F12) return VK_F1 + static_cast<UINT>(keyCode - WXK_F1);
      return 0;
  }
}

void PlaceScrollBar(wxScrollBar* bar, const ScrollBarState& state, const wxRect& where) {
  bar->Show(state.shown);
  if (!state.shown) return;
  bar->SetSize(where);
  bar->SetScrollbar(state.pos - state.min, 1, std::max(1, state.max - state.min + 1), 1);
}

}  // namespace

// clang-format off
wxBEGIN_EVENT_TABLE(GridHost, wxWindow)
  EVT_PAINT(GridHost::OnPaint)
  EVT_SIZE(GridHost::OnSize)
  EVT_CHAR_HOOK(GridHost::OnCharHook)
  EVT_KEY_DOWN(GridHost::OnKeyDown)
  EVT_CHAR(GridHost::OnChar)
  EVT_LEFT_DOWN(GridHost::OnMouse)
  EVT_LEFT_UP(GridHost::OnMouse)
  EVT_LEFT_DCLICK(GridHost::OnMouse)
  EVT_MOTION(GridHost::OnMouse)
  EVT_SET_FOCUS(GridHost::OnSetFocus)
  EVT_KILL_FOCUS(GridHost::OnKillFocus)
  EVT_SCROLL(GridHost::OnScroll)
wxEND_EVENT_TABLE()
    // clang-format on

    GridHost::GridHost(wxWindow* parent, wxWindowID id, const wxPoint& position, const wxSize& size,
                       const std::string& title)
    : wxWindow(parent, id, position, size, wxWANTS_CHARS | wxBORDER_SUNKEN),
      m_system(ThreadWindowSystem()),
      m_buffer(GetClientSize().x, GetClientSize().y) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  const int thickness = wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, this);
  if (thickness > 0) m_system.SetScrollBarThickness(thickness);
  InstallWake(m_system);
  m_vertical = new wxScrollBar(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxSB_VERTICAL);
  m_horizontal = new wxScrollBar(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxSB_HORIZONTAL);
  m_vertical->Hide();
  m_horizontal->Hide();
  m_parentProxy = std::make_unique<Window>(
      m_system, [this](Window&, UINT m, WPARAM w, LPARAM l) { return ForwardNotification(m, w, l); }, "", 0,
      nullptr, nullptr);
  m_grid = m_system.CreateWindowEx(kGridClassName, title, GetClientSize().x, GetClientSize().y,
                                   m_parentProxy.get(), static_cast<UINT>(GetId()), this);
  wxASSERT_MSG(m_grid, "the grid class is not registered, or its 20 slots or this id are taken");
  ScrollBarsChanged();
  Pump();
}

GridHost::~GridHost() {
  // What a closing grid still reports (an edit it commits, the focus it
  // loses) must not reach a parent that may itself be half destroyed.
  m_closing = true;
  m_grid.reset();
  m_parentProxy.reset();
}

LRESULT GridHost::Send(UINT message, WPARAM wParam, LPARAM lParam) {
  return SendMessage(m_grid.get(), message, wParam, lParam);
}

bool GridHost::Enable(bool enable) {
  const bool changed = wxWindow::Enable(enable);
  if (m_grid) m_grid->EnableWindow(enable);
  Pump();
  return changed;
}

DrawContext& GridHost::BeginDraw() {
  if (m_drawDepth++ == 0) m_buffer.ResetState();
  return m_buffer;
}

void GridHost::EndDraw() {
  if (--m_drawDepth > 0) return;
  const DeviceRect damage = m_buffer.TakeDamage();
  if (damage.left < damage.right && damage.top < damage.bottom) {
    RefreshRect(wxRect(damage.left, damage.top, damage.right - damage.left, damage.bottom - damage.top),
                false);
  }
}

void GridHost::ScrollBarsChanged() {
  if (!m_grid) return;
  const int thickness = m_system.ScrollBarThickness();
  const int width = m_grid->ClientWidth();
  const int height = m_grid->ClientHeight();
  PlaceScrollBar(m_vertical, m_grid->ScrollBar(SB_VERT), wxRect(width, 0, thickness, height));
  PlaceScrollBar(m_horizontal, m_grid->ScrollBar(SB_HORZ), wxRect(0, height, width, thickness));
}

void GridHost::SetCursorShape(CursorShape shape) {
  SetCursor(wxCursor(shape == CursorShape::SizeWestEast ? wxCURSOR_SIZEWE : wxCURSOR_ARROW));
}

wxRect GridHost::CaretRect() const {
  const Caret& caret = m_system.SystemCaret();
  if (!m_grid || caret.Owner() != m_grid.get() || !caret.Visible()) return {};
  return {caret.X(), caret.Y(), std::max(1, caret.Width()), std::max(1, caret.Height())};
}

void GridHost::CaretChanged() {
  if (!m_caretShown.IsEmpty()) RefreshRect(m_caretShown, false);
  m_caretShown = CaretRect();
  if (!m_caretShown.IsEmpty()) RefreshRect(m_caretShown, false);
}

void GridHost::FocusGiven() {
  if (FindFocus() != this) SetFocus();
}

void GridHost::OnPaint(wxPaintEvent&) {
  wxPaintDC dc(this);
  for (wxRegionIterator it(GetUpdateRegion()); it; ++it) {
    const wxRect r = it.GetRect();
    m_buffer.Blit(dc, {r.x, r.y, r.x + r.width, r.y + r.height});
  }
  const wxRect caret = CaretRect();
  if (caret.IsEmpty()) return;
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(*wxBLACK_BRUSH);
  dc.DrawRectangle(caret);
}

void GridHost::OnSize(wxSizeEvent&) {
  const wxSize size = GetClientSize();
  m_buffer.Resize(size.x, size.y);
  if (!m_grid) return;
  m_grid->SetWindowSize(size.x, size.y);
  ScrollBarsChanged();
  Refresh(false);
  Pump();
}

LRESULT GridHost::DialogCode(UINT virtualKey) {
  const LRESULT code = Send(WM_GETDLGCODE, virtualKey, 0);
  Pump();
  return code;
}

void GridHost::OnCharHook(wxKeyEvent& event) {
  // A dialog takes Esc before its controls see the key, so the grid is asked
  // first: it cancels an edit and keeps the key, or leaves it to the dialog.
  if (event.GetKeyCode() == WXK_ESCAPE && !event.HasAnyModifiers() && DialogCode(VK_ESCAPE) != 0) return;
  event.Skip();
}

void GridHost::OnKeyDown(wxKeyEvent& event) {
  // Keys held with Alt are the dialog's (mnemonics), as system keys never reach a control.
  if (event.AltDown()) {
    event.Skip();
    return;
  }
  const int key = event.GetKeyCode();
  if (key == WXK_TAB) {
    SendKey(VK_TAB, '\t',
            event.ShiftDown() ? wxNavigationKeyEvent::IsBackward : wxNavigationKeyEvent::IsForward);
    return;
  }
  // The grid stands for the default button: Enter moves down and presses no other button.
  if (key == WXK_RETURN || key == WXK_NUMPAD_ENTER) {
    if ((DialogCode(VK_RETURN) & DLGC_DEFPUSHBUTTON) == 0) event.Skip();
    return;
  }
  const UINT virtualKey = VirtualKey(key);
  if (virtualKey == 0) {
    event.Skip();  // characters arrive as char events
    return;
  }
  SendKey(virtualKey, virtualKey == VK_BACK ? 8 : -1);
}

void GridHost::OnChar(wxKeyEvent& event) {
  const wxChar character = event.GetUnicodeKey();
  // Alt and Ctrl make a key the dialog's mnemonic or accelerator; only
  // printable ASCII is typed into cells.
  if (event.AltDown() || event.ControlDown() || character < 32 || character > 126) {
    event.Skip();
    return;
  }
  // A character is no key of the grid's table: its own code as a virtual key
  // would be '.' for Delete, '(' for Down and the like.
  SendKey(VK_PACKET, static_cast<int>(character));
}

void GridHost::SendKey(UINT virtualKey, int character, int navigation) {
  m_system.SendKeyDown(*m_grid, virtualKey, character);
  Pump(navigation);
}

void GridHost::OnMouse(wxMouseEvent& event) {
  const LPARAM point = MAKELPARAM(static_cast<WORD>(event.GetX()), static_cast<WORD>(event.GetY()));
  UINT message = WM_MOUSEMOVE;
  if (event.LeftDown()) message = WM_LBUTTONDOWN;
  if (event.LeftUp()) message = WM_LBUTTONUP;
  if (event.LeftDClick()) message = WM_LBUTTONDBLCLK;
  Send(message, 0, point);
  Pump();
}

void GridHost::OnSetFocus(wxFocusEvent& event) {
  m_system.SetFocus(m_grid.get());
  Pump();
  event.Skip();
}

void GridHost::OnKillFocus(wxFocusEvent& event) {
  if (m_system.GetFocus() == m_grid.get()) m_system.SetFocus(nullptr);
  Pump();
  event.Skip();
}

void GridHost::OnScroll(wxScrollEvent& event) {
  const bool vertical = event.GetOrientation() == wxVERTICAL;
  const wxEventType type = event.GetEventType();
  WORD code = SB_ENDSCROLL;
  if (type == wxEVT_SCROLL_LINEUP) code = SB_LINEUP;
  if (type == wxEVT_SCROLL_LINEDOWN) code = SB_LINEDOWN;
  if (type == wxEVT_SCROLL_PAGEUP) code = SB_PAGEUP;
  if (type == wxEVT_SCROLL_PAGEDOWN) code = SB_PAGEDOWN;
  if (type == wxEVT_SCROLL_THUMBTRACK) code = SB_THUMBTRACK;
  const int position = event.GetPosition() + m_grid->ScrollBar(vertical ? SB_VERT : SB_HORZ).min;
  Send(vertical ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, static_cast<WORD>(position)), 0);
  // The grid sets the bar's position itself; show the one it kept.
  ScrollBarsChanged();
  Pump();
}

void GridHost::Pump(int navigation) {
  m_system.PumpMessages();
  // Tab gives the focus to the parent: move on to the next control (or the previous).
  if (m_grid && m_system.GetFocus() == m_parentProxy.get() && FindFocus() == this) Navigate(navigation);
}

LRESULT GridHost::ForwardNotification(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_COMMAND || m_closing) return 0;
  wxCommandEvent event(QUOR_EVT_GRID_NOTIFY, GetId());
  event.SetEventObject(this);
  event.SetInt(HIWORD(wParam));
  event.SetExtraLong(static_cast<long>(lParam));
  ProcessWindowEvent(event);
  return 0;
}

}  // namespace quor::grid
