#include "editor/ui/ProgramIcon.h"

#include <array>

#include "editor/ui/ArtBitmaps.h"

namespace quor {

namespace {

constexpr std::array<std::string_view, kProgramIconSize> kIcon = {{
    "................................", "................................",
    "................................", "................................",
    "................................", "................................",
    ".....kkkkkkkkkkkkkkkkkkkkkk.....", ".....kooooooooooooooooooook.....",
    ".....kooooooooooooooooooook.....", ".kkkkkkkkkkkkkooookkkkkkkkkkkkk.",
    ".kGGGGGGGGGGGkooookGGGGGGGGGGGk.", ".kGGGGGGGGGGGkooookGGGGGGGGGGGk.",
    ".kGGGGGGGGGGGkooookGGGGGGGGGGGk.", ".kGGGGGGGGGGGkooookGGGGGGGGGGGk.",
    ".kGGGGGGGGGGGkooookGGGGGGGGGGGk.", ".kGGGGGGGGGGGkooookGGGGGGGGGGGk.",
    ".kkkkkkkkkkkkkooookkkkkkkkkkkkk.", ".....koooooookooookoooooook.....",
    ".....koooooookooookoooooook.....", ".....koooooookooookoooooook.....",
    ".kkkkkkkkkkkkkooookkkkkkkkkkkkk.", ".kGGGGGGGGGGGkooookGGGGGGGGGGGk.",
    ".kGGGGGGGGGGGkooookGGGGGGGGGGGk.", ".kGGGGGGGGGGGkooookGGGGGGGGGGGk.",
    ".kGGGGGGGGGGGkooookGGGGGGGGGGGk.", ".kGGGGGGGGGGGkooookGGGGGGGGGGGk.",
    ".kGGGGGGGGGGGkooookGGGGGGGGGGGk.", ".kkkkkkkkkkkkkooookkkkkkkkkkkkk.",
    ".............kkkkkk.............", ".............kkkkkk.............",
    "................................", "................................",
}};

}  // namespace

std::span<const std::string_view> ProgramIconArt() {
  return kIcon;
}

wxImage ProgramIcon() {
  return PixelArtImage(kIcon);
}

}  // namespace quor
