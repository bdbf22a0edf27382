#include "editor/ui/dialogs/MetallizationArt.h"

#include <array>

namespace quor {

namespace {

using IconArt = std::array<std::string_view, kMetallizationIconSize>;

// The footprint in light grey with its black outline; the metallized side is
// a copper strip along it.
constexpr IconArt kTop = {{
    "................",
    "...oooooooooo...",
    "...oooooooooo...",
    "...kkkkkkkkkk...",
    "...kllllllllk...",
    "...kllllllllk...",
    "...kllllllllk...",
    "...kllllllllk...",
    "...kllllllllk...",
    "...kllllllllk...",
    "...kllllllllk...",
    "...kllllllllk...",
    "...kkkkkkkkkk...",
    "................",
    "................",
    "................",
}};
constexpr IconArt kLeft = {{
    "................",
    "................",
    "................",
    ".ookkkkkkkkkk...",
    ".ookllllllllk...",
    ".ookllllllllk...",
    ".ookllllllllk...",
    ".ookllllllllk...",
    ".ookllllllllk...",
    ".ookllllllllk...",
    ".ookllllllllk...",
    ".ookllllllllk...",
    ".ookkkkkkkkkk...",
    "................",
    "................",
    "................",
}};
constexpr IconArt kRight = {{
    "................",
    "................",
    "................",
    "...kkkkkkkkkkoo.",
    "...kllllllllkoo.",
    "...kllllllllkoo.",
    "...kllllllllkoo.",
    "...kllllllllkoo.",
    "...kllllllllkoo.",
    "...kllllllllkoo.",
    "...kllllllllkoo.",
    "...kllllllllkoo.",
    "...kkkkkkkkkkoo.",
    "................",
    "................",
    "................",
}};
constexpr IconArt kBottom = {{
    "................",
    "................",
    "................",
    "...kkkkkkkkkk...",
    "...kllllllllk...",
    "...kllllllllk...",
    "...kllllllllk...",
    "...kllllllllk...",
    "...kllllllllk...",
    "...kllllllllk...",
    "...kllllllllk...",
    "...kllllllllk...",
    "...kkkkkkkkkk...",
    "...oooooooooo...",
    "...oooooooooo...",
    "................",
}};

}  // namespace

std::span<const std::string_view> FindMetallizationArt(int iconId) {
  switch (iconId) {
    case kIconTopSide:
      return kTop;
    case kIconLeftSide:
      return kLeft;
    case kIconRightSide:
      return kRight;
    case kIconBottomSide:
      return kBottom;
    default:
      return {};
  }
}

}  // namespace quor
