#include "viewer/XScreenProbe.h"

// Last: the X headers define macros such as None and Bool.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace quor::viewer::test {

namespace {

bool HasTitle(Display* display, Window window, const std::string& title) {
  char* name = nullptr;
  if (XFetchName(display, window, &name) == 0 || name == nullptr) return false;
  const bool same = title == name;
  XFree(name);
  return same;
}

}  // namespace

XScreenProbe::XScreenProbe() : m_display(XOpenDisplay(nullptr)) {}

XScreenProbe::~XScreenProbe() {
  if (m_display != nullptr) XCloseDisplay(m_display);
}

unsigned long XScreenProbe::FindWindowId(const std::string& title) {
  Window root = 0;
  Window parent = 0;
  Window* children = nullptr;
  unsigned count = 0;
  if (!XQueryTree(m_display, DefaultRootWindow(m_display), &root, &parent, &children, &count)) return 0;
  Window found = 0;
  for (unsigned i = 0; i < count && found == 0; ++i) {
    XWindowAttributes attributes;
    if (XGetWindowAttributes(m_display, children[i], &attributes) && attributes.map_state == IsViewable &&
        HasTitle(m_display, children[i], title)) {
      found = children[i];
    }
  }
  if (children != nullptr) XFree(children);
  return found;
}

std::optional<ScreenRect> XScreenProbe::FindWindow(const std::string& title) {
  const Window window = FindWindowId(title);
  if (window == 0) return std::nullopt;
  XWindowAttributes attributes;
  XGetWindowAttributes(m_display, window, &attributes);
  return ScreenRect{attributes.x, attributes.y, attributes.width, attributes.height};
}

void XScreenProbe::Focus(const std::string& title) {
  const Window window = FindWindowId(title);
  if (window == 0) return;
  XSetInputFocus(m_display, window, RevertToParent, CurrentTime);
  XSync(m_display, False);
}

wxImage XScreenProbe::Grab(const ScreenRect& rect) {
  XImage* shot = XGetImage(m_display, DefaultRootWindow(m_display), rect.x, rect.y, rect.width, rect.height,
                           AllPlanes, ZPixmap);
  if (shot == nullptr) return {};
  wxImage image(rect.width, rect.height);
  for (int y = 0; y < rect.height; ++y) {
    for (int x = 0; x < rect.width; ++x) {
      const unsigned long pixel = XGetPixel(shot, x, y);
      image.SetRGB(x, y, (pixel >> 16) & 0xff, (pixel >> 8) & 0xff, pixel & 0xff);
    }
  }
  XDestroyImage(shot);
  return image;
}

}  // namespace quor::viewer::test
