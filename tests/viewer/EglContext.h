// A headless OpenGL context for tests: EGL on Mesa's surfaceless platform
// with a small pbuffer, current for the lifetime of the object.
#pragma once

#include <EGL/egl.h>

#include <string>
#include <vector>

namespace quor::viewer::test {

struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;
};

class EglContext {
 public:
  EglContext(int width, int height);
  ~EglContext();
  EglContext(const EglContext&) = delete;
  EglContext& operator=(const EglContext&) = delete;

  // Empty when the context is ready, else what failed.
  const std::string& Error() const { return m_error; }
  int Width() const { return m_width; }
  int Height() const { return m_height; }
  // The pixel at (x, y) counted from the top-left corner.
  Rgb Pixel(int x, int y) const;

 private:
  int m_width;
  int m_height;
  std::string m_error;
  EGLDisplay m_display = EGL_NO_DISPLAY;
  EGLContext m_context = EGL_NO_CONTEXT;
  EGLSurface m_surface = EGL_NO_SURFACE;
};

}  // namespace quor::viewer::test
