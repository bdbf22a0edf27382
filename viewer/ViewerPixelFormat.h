// The pixel format the viewer asks for.
#pragma once

#include <wx/glcanvas.h>

#include <optional>

namespace quor::viewer {

// RGBA with 8 bits a colour, double buffered, with a 32-bit depth buffer or
// the deepest the display offers below it; empty when the display offers
// no OpenGL format of the kind at all.
std::optional<wxGLAttributes> ChoosePixelFormat();

}  // namespace quor::viewer
