// The program's picture (32 by 32): two dielectric layers, copper traces and
// a via through them. Used as the frame's icon and in the About box.
#pragma once

#include <wx/image.h>

#include <span>
#include <string_view>

namespace quor {

inline constexpr int kProgramIconSize = 32;

std::span<const std::string_view> ProgramIconArt();
wxImage ProgramIcon();

}  // namespace quor
