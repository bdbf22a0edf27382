#include "support/ScreenProbe.h"

// Last: the X headers define macros such as None and Bool.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <memory>

namespace quor::test {

namespace {

struct DisplayCloser {
  void operator()(Display* display) const { XCloseDisplay(display); }
};
using DisplayHandle = std::unique_ptr<Display, DisplayCloser>;

DisplayHandle OpenDisplay() {
  return DisplayHandle(XOpenDisplay(nullptr));
}

std::optional<std::string> TitleOf(Display* display, Window window) {
  char* name = nullptr;
  if (XFetchName(display, window, &name) == 0 || name == nullptr) return std::nullopt;
  std::string title = name;
  XFree(name);
  return title;
}

// The root window's children, bottom of the stacking order first.
std::vector<Window> TopLevelWindows(Display* display) {
  Window root = 0;
  Window parent = 0;
  Window* children = nullptr;
  unsigned count = 0;
  if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count) == 0) return {};
  std::vector<Window> windows(children, children + count);
  if (children != nullptr) XFree(children);
  return windows;
}

// The shown top-level window with the title, or 0.
Window FindShownWindow(Display* display, const std::string& title) {
  for (const Window window : TopLevelWindows(display)) {
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable &&
        TitleOf(display, window) == title) {
      return window;
    }
  }
  return 0;
}

}  // namespace

std::vector<std::string> TopLevelWindowTitles() {
  std::vector<std::string> titles;
  const DisplayHandle display = OpenDisplay();
  if (!display) return titles;
  for (const Window window : TopLevelWindows(display.get())) {
    if (auto title = TitleOf(display.get(), window)) titles.push_back(std::move(*title));
  }
  return titles;
}

std::optional<wxRect> FindTopLevelWindow(const std::string& title) {
  const DisplayHandle display = OpenDisplay();
  if (!display) return std::nullopt;
  const Window window = FindShownWindow(display.get(), title);
  XWindowAttributes attributes;
  if (window == 0 || !XGetWindowAttributes(display.get(), window, &attributes)) return std::nullopt;
  return wxRect(attributes.x, attributes.y, attributes.width, attributes.height);
}

void FocusTopLevelWindow(const std::string& title) {
  const DisplayHandle display = OpenDisplay();
  if (!display) return;
  const Window window = FindShownWindow(display.get(), title);
  if (window == 0) return;
  XSetInputFocus(display.get(), window, RevertToParent, CurrentTime);
  XSync(display.get(), False);
}

wxImage CaptureScreenArea(const wxRect& area) {
  const DisplayHandle display = OpenDisplay();
  if (!display || area.IsEmpty()) return {};
  XImage* shot =
      XGetImage(display.get(), DefaultRootWindow(display.get()), area.x, area.y,
                static_cast<unsigned>(area.width), static_cast<unsigned>(area.height), AllPlanes, ZPixmap);
  if (shot == nullptr) return {};
  wxImage image(area.width, area.height);
  for (int y = 0; y < area.height; ++y) {
    for (int x = 0; x < area.width; ++x) {
      const unsigned long pixel = XGetPixel(shot, x, y);
      image.SetRGB(x, y, (pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    }
  }
  XDestroyImage(shot);
  return image;
}

bool SaveScreenArea(const wxRect& area, const std::string& pngPath) {
  const wxImage image = CaptureScreenArea(area);
  return image.IsOk() && image.SaveFile(pngPath, wxBITMAP_TYPE_PNG);
}

}  // namespace quor::test
