#include "viewer/ViewerCanvas.h"

#include <GL/gl.h>
#include <wx/dcclient.h>
#include <wx/display.h>
#include <wx/image.h>

#include <algorithm>
#include <vector>

#include "viewer/ViewerCommand.h"
#include "viewer/ViewerScene.h"

namespace quor::viewer {

// clang-format off
wxBEGIN_EVENT_TABLE(ViewerCanvas, wxGLCanvas)
  EVT_PAINT(ViewerCanvas::OnPaint)
  EVT_SIZE(ViewerCanvas::OnSize)
  EVT_LEFT_DOWN(ViewerCanvas::OnLeftDown)
  EVT_LEFT_UP(ViewerCanvas::OnLeftUp)
  EVT_MOTION(ViewerCanvas::OnMotion)
  EVT_MOUSEWHEEL(ViewerCanvas::OnWheel)
  EVT_KEY_DOWN(ViewerCanvas::OnKey)
  EVT_KEY_UP(ViewerCanvas::OnKey)
  EVT_MOUSE_CAPTURE_LOST(ViewerCanvas::OnCaptureLost)
wxEND_EVENT_TABLE()
    // clang-format on

    ViewerCanvas::ViewerCanvas(wxWindow* parent, const wxGLAttributes& attributes, PlateStore plates)
    : wxGLCanvas(parent, attributes, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                 wxFULL_REPAINT_ON_RESIZE | wxWANTS_CHARS),
      m_context(std::make_unique<wxGLContext>(this)),
      m_plates(std::move(plates)),
      m_normalCursor(wxCURSOR_ARROW),
      m_dragCursor(wxCURSOR_HAND) {
  SetCursor(m_normalCursor);
}

ViewerCanvas::~ViewerCanvas() {
  // The display lists go with the context they were compiled in.
  if (m_scene && IsShownOnScreen()) SetCurrent(*m_context);
  m_scene.reset();
}

bool ViewerCanvas::HasContext() const {
  return m_context->IsOK();
}

bool ViewerCanvas::SetUpScene() {
  if (!IsShownOnScreen() || !HasContext() || !SetCurrent(*m_context)) return false;
  if (m_scene) return true;
  m_scene = std::make_unique<ViewerScene>(std::move(m_plates), [this] {
    if (m_presenting) SwapBuffers();
  });
  m_scene->init_gl_scene();
  m_scene->reset_view();
  ResizeViewport();
  return true;
}

ViewerScene* ViewerCanvas::CurrentScene() {
  return SetUpScene() ? m_scene.get() : nullptr;
}

void ViewerCanvas::ResizeViewport() {
  const wxSize size = GetClientSize();
  if (m_scene) m_scene->resize_viewport(size.x, size.y);
}

void ViewerCanvas::Redraw() {
  if (ViewerScene* scene = CurrentScene()) scene->redraw_scene();
}

wxImage ViewerCanvas::CaptureClient() {
  ViewerScene* scene = CurrentScene();
  if (scene == nullptr) return {};
  const wxSize client = GetClientSize();
  const wxRect onScreen = wxRect(GetScreenPosition(), client).Intersect(wxDisplay(this).GetGeometry());
  if (onScreen.IsEmpty()) return {};
  m_presenting = false;
  scene->redraw_scene();
  m_presenting = true;
  const int width = onScreen.width;
  const int height = onScreen.height;
  std::vector<unsigned char> rows(static_cast<std::size_t>(width) * height * 3);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadBuffer(GL_BACK);
  glReadPixels(0, client.y - height, width, height, GL_RGB, GL_UNSIGNED_BYTE, rows.data());
  SwapBuffers();  // what was read is what the window shows
  wxImage image(width, height);
  unsigned char* out = image.GetData();
  const std::size_t stride = static_cast<std::size_t>(width) * 3;
  for (int y = 0; y < height; ++y) {  // GL rows run bottom-up
    std::copy_n(rows.data() + (height - 1 - y) * stride, stride, out + y * stride);
  }
  return image;
}

void ViewerCanvas::OnPaint(wxPaintEvent&) {
  const wxPaintDC dc(this);
  Redraw();
}

void ViewerCanvas::OnSize(wxSizeEvent& event) {
  const wxSize size = event.GetSize();
  if (size.x > 0 && size.y > 0 && CurrentScene() != nullptr) {
    ResizeViewport();
    m_scene->redraw_scene();
  }
  event.Skip();
}

void ViewerCanvas::OnLeftDown(wxMouseEvent& event) {
  m_dragging = true;
  SetCursor(m_dragCursor);
  if (!HasCapture()) CaptureMouse();
  m_last = event.GetPosition();
  SetFocus();
}

void ViewerCanvas::OnLeftUp(wxMouseEvent&) {
  EndDrag();
  if (HasCapture()) ReleaseMouse();
}

void ViewerCanvas::OnCaptureLost(wxMouseCaptureLostEvent&) {
  EndDrag();
}

void ViewerCanvas::EndDrag() {
  m_dragging = false;
  SetCursor(m_normalCursor);
}

void ViewerCanvas::OnMotion(wxMouseEvent& event) {
  if (!m_dragging) return;
  ViewerScene* scene = CurrentScene();
  if (scene == nullptr) return;
  const wxPoint position = event.GetPosition();
  scene->State().DragPan(position.x - m_last.x, position.y - m_last.y, GetClientSize().y);
  scene->redraw_scene();
  m_last = position;
}

void ViewerCanvas::OnWheel(wxMouseEvent& event) {
  if (event.GetWheelAxis() != wxMOUSE_WHEEL_VERTICAL) return;
  const WheelKeys keys{event.ControlDown(), event.ShiftDown(),
                       event.LeftIsDown() || event.MiddleIsDown() || event.RightIsDown() ||
                           event.Aux1IsDown() || event.Aux2IsDown(),
                       m_tabDown};
  const ViewerCommand command = WheelCommand(event.GetWheelRotation(), keys);
  if (command == ViewerCommand::None) return;
  wxCommandEvent menu(wxEVT_MENU, CommandId(command));
  menu.SetEventObject(this);
  ProcessWindowEvent(menu);  // command events travel up to the frame
}

void ViewerCanvas::OnKey(wxKeyEvent& event) {
  if (event.GetKeyCode() == WXK_TAB) m_tabDown = event.GetEventType() == wxEVT_KEY_DOWN;
  event.Skip();
}

}  // namespace quor::viewer
