#include "viewer/EglContext.h"

#include <EGL/eglext.h>
#include <GL/gl.h>

namespace quor::viewer::test {

EglContext::EglContext(int width, int height) : m_width(width), m_height(height) {
  const auto getPlatformDisplay =
      reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(eglGetProcAddress("eglGetPlatformDisplayEXT"));
  if (getPlatformDisplay == nullptr) {
    m_error = "no eglGetPlatformDisplayEXT";
    return;
  }
  m_display = getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
  if (m_display == EGL_NO_DISPLAY || !eglInitialize(m_display, nullptr, nullptr)) {
    m_error = "no surfaceless EGL display";
    return;
  }
  const EGLint configAttributes[] = {EGL_SURFACE_TYPE,
                                     EGL_PBUFFER_BIT,
                                     EGL_RED_SIZE,
                                     8,
                                     EGL_GREEN_SIZE,
                                     8,
                                     EGL_BLUE_SIZE,
                                     8,
                                     EGL_DEPTH_SIZE,
                                     24,
                                     EGL_RENDERABLE_TYPE,
                                     EGL_OPENGL_BIT,
                                     EGL_NONE};
  EGLConfig config = nullptr;
  EGLint count = 0;
  if (!eglChooseConfig(m_display, configAttributes, &config, 1, &count) || count < 1) {
    m_error = "no pbuffer config";
    return;
  }
  const EGLint surfaceAttributes[] = {EGL_WIDTH, width, EGL_HEIGHT, height, EGL_NONE};
  m_surface = eglCreatePbufferSurface(m_display, config, surfaceAttributes);
  eglBindAPI(EGL_OPENGL_API);
  m_context = eglCreateContext(m_display, config, EGL_NO_CONTEXT, nullptr);
  if (m_surface == EGL_NO_SURFACE || m_context == EGL_NO_CONTEXT ||
      !eglMakeCurrent(m_display, m_surface, m_surface, m_context)) {
    m_error = "no current OpenGL context";
  }
}

EglContext::~EglContext() {
  if (m_display == EGL_NO_DISPLAY) return;
  eglMakeCurrent(m_display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
  if (m_context != EGL_NO_CONTEXT) eglDestroyContext(m_display, m_context);
  if (m_surface != EGL_NO_SURFACE) eglDestroySurface(m_display, m_surface);
  eglTerminate(m_display);
}

Rgb EglContext::Pixel(int x, int y) const {
  unsigned char rgba[4] = {};
  glFinish();
  glReadPixels(x, m_height - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
  return {rgba[0], rgba[1], rgba[2]};
}

}  // namespace quor::viewer::test
