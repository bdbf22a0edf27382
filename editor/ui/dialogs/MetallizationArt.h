// The pictures on the Metallization dialog's four buttons, drawn for this
// program: the footprint with the side that the button metallizes.
#pragma once

#include <span>
#include <string_view>

namespace quor {

inline constexpr int kMetallizationIconSize = 16;

inline constexpr int kIconBottomSide = 217;
inline constexpr int kIconLeftSide = 219;
inline constexpr int kIconRightSide = 220;
inline constexpr int kIconTopSide = 221;

// The picture of one of the four icons; empty for another number.
std::span<const std::string_view> FindMetallizationArt(int iconId);

}  // namespace quor
