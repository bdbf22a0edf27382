// The editing tools' mouse cursors, 16 by 16 pixels with a hot spot, drawn
// for this program and found by their resource numbers.
#pragma once

#include <array>
#include <string_view>

namespace quor {

inline constexpr int kCursorSize = 16;

struct CursorArt {
  int hotX;
  int hotY;
  std::array<std::string_view, kCursorSize> rows;
};

// Resource numbers of the tools' cursors.
namespace cursor {
inline constexpr int kZoomIn = 150;
inline constexpr int kClosedHand = 151;
inline constexpr int kOpenHand = 152;
inline constexpr int kPolyline = 165;
inline constexpr int kPolylineClose = 181;
inline constexpr int kZoomOut = 182;
inline constexpr int kRectangle = 191;
inline constexpr int kVia = 228;
inline constexpr int kPolylineNode = 229;
}  // namespace cursor

// The system cursors the tools show, at their Win32 resource numbers.
namespace system_cursor {
inline constexpr int IDC_ARROW = 32512;
inline constexpr int IDC_SIZENWSE = 32642;
inline constexpr int IDC_SIZENESW = 32643;
inline constexpr int IDC_SIZEWE = 32644;
inline constexpr int IDC_SIZENS = 32645;
}  // namespace system_cursor

// The cursor with this resource number, or null.
const CursorArt* FindCursorArt(int resourceId);

}  // namespace quor
