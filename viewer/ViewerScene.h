// The viewer's scene: the plates compiled into two display lists (outlines,
// filled plates), the axes and the view state, drawn with OpenGL 1.1 into
// whatever context is current. Knows nothing of windows.
#pragma once

#include <functional>

#include "viewer/PlateStore.h"
#include "viewer/SceneScaling.h"
#include "viewer/ViewState.h"

namespace quor::viewer {

class ViewerScene {
 public:
  // swapBuffers shows a finished frame. No GL call is made here.
  ViewerScene(PlateStore plates, std::function<void()> swapBuffers);
  // Deletes the display lists: the scene's context must be current.
  ~ViewerScene();
  ViewerScene(const ViewerScene&) = delete;
  ViewerScene& operator=(const ViewerScene&) = delete;

  // Once, with the context current: depth test, white background, the
  // display lists, axes on, no clipping at the full clip height.
  void init_gl_scene();
  // The start view: eye 42 units away, the model tilted and turned.
  void reset_view();
  void redraw_scene();
  void resize_viewport(int width, int height);
  // Turns the model about its own current axis (x, y, z).
  void rotate_view(double x, double y, double z, double degrees);
  void draw_scene();

  ViewState& State() { return m_state; }
  const SceneExtents& Extents() const { return m_extents; }

 private:
  void build_display_lists();
  void draw_axes() const;
  void Clear() const;

  PlateStore m_plates;  // emptied once compiled
  std::function<void()> m_swapBuffers;
  SceneExtents m_extents;
  ViewState m_state;
  unsigned m_lists = 0;  // outlines at m_lists, filled plates at m_lists + 1
};

}  // namespace quor::viewer
