#include "ScreenProbe.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdlib>
#include <memory>

namespace quor::test {

namespace {

struct DisplayCloser {
  void operator()(Display* display) const { XCloseDisplay(display); }
};
using DisplayHandle = std::unique_ptr<Display, DisplayCloser>;

DisplayHandle OpenDisplay() {
  return DisplayHandle(XOpenDisplay(std::getenv("DISPLAY")));
}

}  // namespace

std::vector<std::string> TopLevelWindowTitles() {
  std::vector<std::string> titles;
  DisplayHandle display = OpenDisplay();
  if (!display) return titles;
  Window root = 0;
  Window parent = 0;
  Window* children = nullptr;
  unsigned count = 0;
  if (XQueryTree(display.get(), DefaultRootWindow(display.get()), &root, &parent, &children, &count) == 0) {
    return titles;
  }
  for (unsigned i = 0; i < count; ++i) {
    char* name = nullptr;
    if (XFetchName(display.get(), children[i], &name) != 0 && name != nullptr) {
      titles.emplace_back(name);
      XFree(name);
    }
  }
  XFree(children);
  return titles;
}

wxImage CaptureScreenArea(const wxRect& area) {
  DisplayHandle display = OpenDisplay();
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
