// Cutting outlines to a world rectangle before they are mapped to pixels, so
// that a node far outside the view never reaches the integer mapping and the
// visible part of every edge keeps its direction.
#pragma once

#include <span>
#include <vector>

#include "editor/model/DoubleRect.h"
#include "editor/model/Point2.h"

namespace quor {

bool Contains(const DoubleRect& rect, const Point2& point);

// The part of a closed outline inside the rectangle, as one closed outline
// (edges along the rectangle's sides where the outline left it); empty when
// nothing of it is inside. Filling it fills what the outline fills there.
std::vector<Point2> ClipPolygon(std::span<const Point2> outline, const DoubleRect& rect);

// The parts of an open path inside the rectangle, each as its own path.
std::vector<std::vector<Point2>> ClipPath(std::span<const Point2> path, const DoubleRect& rect);

}  // namespace quor
