// The toolbar buttons' pictures, 16 by 15 pixels, drawn for this program.
#pragma once

#include <span>
#include <string_view>

namespace quor {

inline constexpr int kToolbarImageWidth = 16;
inline constexpr int kToolbarImageHeight = 15;

// The picture of the button that sends this command; empty when none has one.
std::span<const std::string_view> FindToolbarArt(int commandId);

}  // namespace quor
