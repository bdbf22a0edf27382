#include "viewer/ViewerPixelFormat.h"

namespace quor::viewer {

std::optional<wxGLAttributes> ChoosePixelFormat() {
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
