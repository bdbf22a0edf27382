// The labels of the commands that both the main menu and the object menus
// offer with their keys (HotKeys.h).
#pragma once

#include <string_view>

namespace quor::label {

inline constexpr std::string_view kBringToFront = "Bring to &Front";
inline constexpr std::string_view kSendToBack = "Send to &Back";

}  // namespace quor::label
