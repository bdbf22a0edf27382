// The rubber bands and markers the tools draw in exclusive-or on the view's
// picture, outside the normal painting: a figure drawn a second time with the
// same arguments takes itself away. Points are world coordinates.
#pragma once

#include "editor/model/DoubleRect.h"
#include "editor/model/Point2.h"
#include "editor/model/Point3.h"
#include "platform/draw/DrawContext.h"

namespace quor {

class ToolView;

// Selection rubber bands, node markers and zoom rectangles.
inline constexpr COLORREF kXorRed = 0x0000FF;
// Move, resize, rectangle and via feedback.
inline constexpr COLORREF kXorBlue = 0xFF0000;

inline Point2 XY(const Point3& point) {
  return {point.x, point.y};
}

// The pen that shows `colour` on the white footprint under exclusive-or.
inline constexpr COLORREF XorPenColour(COLORREF colour) {
  return colour ^ 0xFFFFFF;
}

// The rectangle with these two opposite corners.
void DrawXorRect(ToolView& view, COLORREF colour, const Point2& corner1, const Point2& corner2);
// A rubber band from a fixed corner follows the pointer: the band to `from`
// is erased and the band to `to` drawn.
void MoveXorRect(ToolView& view, COLORREF colour, const Point2& fixed, const Point2& from, const Point2& to);
// The rectangle's outline as one closed five-point polyline.
void DrawXorFrame(ToolView& view, COLORREF colour, const DoubleRect& rect);
// A line in a fixed pen that shows red on white.
void DrawXorSegment(ToolView& view, const Point2& from, const Point2& to);
// An oblique cross of 3-pixel arms.
void DrawXorCross(ToolView& view, COLORREF colour, const Point2& point);
// A hollow square 4 pixels either side of the point.
void DrawXorMarker(ToolView& view, COLORREF colour, const Point2& point);

// The normalised rectangle between two corners.
DoubleRect RectBetween(const Point2& corner1, const Point2& corner2);

}  // namespace quor
