// The key-state flags that come with mouse input, at their Win32 values; the
// window turns the toolkit's modifier state into these.
#pragma once

namespace quor {

inline constexpr unsigned MK_LBUTTON = 0x0001;
inline constexpr unsigned MK_SHIFT = 0x0004;
inline constexpr unsigned MK_CONTROL = 0x0008;

}  // namespace quor
