// The labels, with their keys, of the commands that both the main menu and
// the object menus offer, so that each key is stated once.
#pragma once

#include <string_view>

namespace quor::label {

inline constexpr std::string_view kBringToFront = "Bring to &Front\tCtrl+F";
inline constexpr std::string_view kSendToBack = "Send to &Back\tCtrl+B";

}  // namespace quor::label
