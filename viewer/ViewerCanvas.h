// The OpenGL window of the viewer: owns the rendering context and the
// scene, draws on paint and size, pans on a left-button drag and turns
// wheel notches into commands for its frame.
#pragma once

#include <wx/cursor.h>
#include <wx/glcanvas.h>

#include <memory>

#include "viewer/PlateStore.h"

class wxImage;

namespace quor::viewer {

class ViewerScene;

class ViewerCanvas : public wxGLCanvas {
 public:
  ViewerCanvas(wxWindow* parent, const wxGLAttributes& attributes, PlateStore plates);
  ~ViewerCanvas() override;

  // False when no rendering context could be made for the chosen format.
  bool HasContext() const;
  // The scene with its context made current; null until the window has
  // been shown and the scene set up.
  ViewerScene* CurrentScene();
  void ResizeViewport();
  void Redraw();
  // Redraws, then reads back the part of the client area that lies on the
  // screen, from its top-left corner.
  wxImage CaptureClient();

 private:
  bool SetUpScene();
  void OnPaint(wxPaintEvent& event);
  void OnSize(wxSizeEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  void OnLeftUp(wxMouseEvent& event);
  void OnMotion(wxMouseEvent& event);
  void OnWheel(wxMouseEvent& event);
  void OnKey(wxKeyEvent& event);
  void OnCaptureLost(wxMouseCaptureLostEvent& event);
  void EndDrag();

  std::unique_ptr<wxGLContext> m_context;
  std::unique_ptr<ViewerScene> m_scene;
  PlateStore m_plates;       // handed to the scene when it is set up
  bool m_presenting = true;  // false while a frame is drawn only to be read back
  bool m_dragging = false;
  wxPoint m_last;
  bool m_tabDown = false;  // Tab held turns the plain wheel into a turn about z
  wxCursor m_normalCursor;
  wxCursor m_dragCursor;

  wxDECLARE_EVENT_TABLE();
};

}  // namespace quor::viewer
