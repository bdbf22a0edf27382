#include "viewer/ViewerPixelFormat.h"

#include <wx/utils.h>

// Last: the X headers define macros such as None and Bool.
#include <GL/glx.h>

namespace quor::viewer {

namespace {

// wx stops on an assertion instead of answering when the display has no GLX.
bool DisplayHasGlx() {
  Display* display = wxGetX11Display();
  int errorBase = 0;
  int eventBase = 0;
  return display != nullptr && glXQueryExtension(display, &errorBase, &eventBase);
}

}  // namespace

std::optional<wxGLAttributes> ChoosePixelFormat() {
  if (!DisplayHasGlx()) return std::nullopt;
  // Like a best-match search: fall back to a shallower depth buffer or fewer
  // colour bits rather than refuse a display that can draw at all.
  for (const int depthBits : {32, 24, 16}) {
    for (const bool fullColour : {true, false}) {
      wxGLAttributes attributes;
      attributes.PlatformDefaults().RGBA().DoubleBuffer().Depth(depthBits);
      if (fullColour) attributes.MinRGBA(8, 8, 8, 0);
      attributes.EndList();
      if (wxGLCanvas::IsDisplaySupported(attributes)) return attributes;
    }
  }
  return std::nullopt;
}

}  // namespace quor::viewer
