// The view's mapping between world coordinates and client pixels, and grid
// snapping in world coordinates.
#include <algorithm>
#include <cmath>

#include "editor/document/ProjectDocument.h"
#include "editor/document/RoundToInt.h"
#include "editor/model/Point3.h"
#include "editor/ui/view/ViewCore.h"

namespace quor {

namespace {

// 2540 units of 0.01 mm make an inch.
constexpr double kInchesPerUnit = 0.0003937007874015748;

// The grid lines around a value: the first line at or above it and the one below that.
struct SnapLines {
  double upper;
  double lower;
};

SnapLines LinesAround(double value, double spacing) {
  const double upper = std::ceil(value / spacing) * spacing;
  return {upper, upper - spacing};
}

double SnapValue(double value, double spacing) {
  const SnapLines lines = LinesAround(value, spacing);
  // A tie goes to the lower line; a value on a line stays.
  return value - lines.lower <= lines.upper - value ? lines.lower : lines.upper;
}

// The correction that brings the nearer of two moved edges onto a line.
double SnapEdges(double first, double second, double spacing) {
  const SnapLines a = LinesAround(first, spacing);
  const SnapLines b = LinesAround(second, spacing);
  const double minUp = std::min(a.upper - first, b.upper - second);
  const double minDown = std::min(first - a.lower, second - b.lower);
  return minUp < minDown ? minUp : -minDown;
}

}  // namespace

void ViewCore::GetFootprint(double& length, double& width) const {
  length = 0.0;
  width = 0.0;
  if (m_document != nullptr) m_document->GetFootprintSize(length, width);
}

double ViewCore::PixelsPerUnit() const {
  return static_cast<double>(m_fitScale) * m_zoom * m_host.GetLogPixelsX() * kInchesPerUnit;
}

double ViewCore::WorldXToScreen(double x) const {
  return PixelsPerUnit() * x + kMargin - m_scroll.position.x;
}

double ViewCore::WorldYToScreen(double y) const {
  double length = 0.0;
  double width = 0.0;
  GetFootprint(length, width);
  return PixelsPerUnit() * (width - y) + kMargin - m_scroll.position.y;
}

double ViewCore::ScreenXToWorld(double px) const {
  return (px - kMargin + m_scroll.position.x) / PixelsPerUnit();
}

double ViewCore::ScreenYToWorld(double py) const {
  double length = 0.0;
  double width = 0.0;
  GetFootprint(length, width);
  return width - (py - kMargin + m_scroll.position.y) / PixelsPerUnit();
}

Point2 ViewCore::ScreenToWorld(DevicePoint point) const {
  return {ScreenXToWorld(point.x), ScreenYToWorld(point.y)};
}

DevicePoint ViewCore::WorldToScreen(const Point2& point) const {
  return {RoundToInt(WorldXToScreen(point.x)), RoundToInt(WorldYToScreen(point.y))};
}

DeviceRect ViewCore::WorldRectToScreen(const DoubleRect& rect) const {
  const DevicePoint topLeft = WorldToScreen({rect.left, rect.top});
  const DevicePoint bottomRight = WorldToScreen({rect.right, rect.bottom});
  return {std::min(topLeft.x, bottomRight.x), std::min(topLeft.y, bottomRight.y),
          std::max(topLeft.x, bottomRight.x), std::max(topLeft.y, bottomRight.y)};
}

DoubleRect ViewCore::ClipRect() const {
  // 2^24 pixels around the client area: no cut edge shows, and pixel sums
  // of anything inside stay far from int's limits.
  constexpr double kReach = 16777216.0;
  return {ScreenYToWorld(-kReach), ScreenYToWorld(m_clientSize.cy + kReach), ScreenXToWorld(-kReach),
          ScreenXToWorld(m_clientSize.cx + kReach)};
}

double ViewCore::PixelsToUnits(double pixels) const {
  return pixels / PixelsPerUnit();
}

int ViewCore::UnitsToPixels(double distance) const {
  return RoundToInt(PixelsPerUnit() * distance);
}

DeviceSize ViewCore::WorldSizeToScreen(double width, double height) const {
  return {UnitsToPixels(width), UnitsToPixels(height)};
}

Point2 ViewCore::ScreenSizeToWorld(double cx, double cy) const {
  return {PixelsToUnits(cx), PixelsToUnits(cy)};
}

int ViewCore::GetLabelHeight() const {
  return m_host.GetTextHeight() + 4;
}

Point2 ViewCore::GetTotalWorldSize() const {
  double length = 0.0;
  double width = 0.0;
  GetFootprint(length, width);
  const double ppu = PixelsPerUnit();
  return {length + 2 * kMargin / ppu, width + (kMargin + GetLabelHeight()) / ppu};
}

Point2 ViewCore::GetDisplayCoordinates(DevicePoint point) const {
  const Point2 world = ScreenToWorld(point);
  if (m_document == nullptr) return world;
  return {m_document->ToDisplayUnits(world.x), m_document->ToDisplayUnits(world.y)};
}

bool ViewCore::SnapsToGrid() const {
  // The spacing comes from the project file: zero, a negative value or NaN
  // would divide into nonsense.
  return m_snapToGrid && m_gridSpacing > 0.0 && std::isfinite(m_gridSpacing);
}

Point2 ViewCore::SnapPoint(const Point2& point) const {
  if (!SnapsToGrid()) return point;
  return {SnapValue(point.x, m_gridSpacing), SnapValue(point.y, m_gridSpacing)};
}

Point3 ViewCore::SnapDelta(double dx, double dy, const DoubleRect& bounds) const {
  if (!SnapsToGrid()) return {};
  return {SnapEdges(dx + bounds.left, dx + bounds.right, m_gridSpacing),
          SnapEdges(dy + bounds.top, dy + bounds.bottom, m_gridSpacing), 0.0};
}

}  // namespace quor
