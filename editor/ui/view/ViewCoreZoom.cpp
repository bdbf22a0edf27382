// The view's fit scale, zoom, scroll range and scrolling.
#include <algorithm>
#include <array>
#include <cmath>

#include "editor/ui/view/MouseFlags.h"
#include "editor/ui/view/ViewCore.h"

namespace quor {

namespace {

// The zoom steps of Zoom In and Zoom Out; the first and the last are
// sentinels that SetZoom's clamping turns into the limits.
constexpr std::array<float, 13> ZoomSteps = {0.0f, 0.1f, 0.25f, 0.5f,  0.75f, 1.0f,   2.0f,
                                             4.0f, 6.0f, 8.0f,  12.0f, 16.0f, 2000.0f};

DevicePoint Centre(const DeviceRect& rect) {
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

}  // namespace

void ViewCore::SetClientSize(DeviceSize size) {
  m_clientSize = size;
  m_scroll.position = ClampScrollPosition(m_scroll.position);
  m_host.SetScrollBars(m_scroll);
}

bool ViewCore::ShowsVerticalScrollBar() const {
  return m_scroll.total.cy > m_clientSize.cy;
}

bool ViewCore::ShowsHorizontalScrollBar() const {
  return m_scroll.total.cx > m_clientSize.cx;
}

DevicePoint ViewCore::ClampScrollPosition(DevicePoint position) const {
  const int maxX = std::max(0, m_scroll.total.cx - m_clientSize.cx);
  const int maxY = std::max(0, m_scroll.total.cy - m_clientSize.cy);
  return {std::clamp(position.x, 0, maxX), std::clamp(position.y, 0, maxY)};
}

void ViewCore::ApplyScrollPosition(DevicePoint position) {
  const DevicePoint clamped = ClampScrollPosition(position);
  if (clamped == m_scroll.position) return;
  m_scroll.position = clamped;
  m_host.SetScrollBars(m_scroll);
  Repaint();
}

void ViewCore::ScrollBy(int dx, int dy) {
  ApplyScrollPosition({m_scroll.position.x + dx, m_scroll.position.y + dy});
}

void ViewCore::ScrollTo(DevicePoint position) {
  ApplyScrollPosition(position);
}

void ViewCore::PanBy(int dx, int dy) {
  // The content follows the hand: dragging right shows what lies to the left.
  ScrollBy(-dx, -dy);
}

void ViewCore::ComputeFitScale() {
  const float zoom = m_zoom;
  m_zoom = 1.0f;
  m_fitScale = 1.0f;
  // A client area smaller than the margins still leaves one pixel, so the
  // scale stays positive and the mapping never mirrors or divides by zero.
  const int availableX = std::max(1, m_clientSize.cx - 2 * kMargin);
  const int availableY = std::max(1, m_clientSize.cy - kMargin - GetLabelHeight());
  const Point2 available = ScreenSizeToWorld(availableX, availableY);
  double length = 0.0;
  double width = 0.0;
  GetFootprint(length, width);
  const double fx = available.x / length;
  const double fy = available.y / width;
  const double fit = fx < fy ? fx : fy;
  // A footprint without area has no scale to fit to; a tiny or huge one is
  // held to a scale that float carries and the mapping stays finite with.
  if (fit > 0.0 && !std::isnan(fit))
    m_fitScale = static_cast<float>(std::clamp(fit, double{kMinFitScale}, double{kMaxFitScale}));
  m_zoom = zoom;
}

void ViewCore::RecalcScrollSizes() {
  const Point2 total = GetTotalWorldSize();
  m_scroll.total = WorldSizeToScreen(total.x, total.y);
  m_scroll.page = {m_scroll.total.cx / 10, m_scroll.total.cy / 10};
  m_scroll.line = {m_scroll.total.cx / 100, m_scroll.total.cy / 100};
  m_scroll.position = ClampScrollPosition(m_scroll.position);
  m_host.SetScrollBars(m_scroll);
  Repaint();
}

void ViewCore::SetZoom(double factor, DevicePoint point, bool centre) {
  const Point2 world = ScreenToWorld(point);
  float zoom = static_cast<float>(factor);
  if (zoom > kMaxZoom) zoom = kMaxZoom;
  if (!(zoom >= kMinZoom)) zoom = kMinZoom;
  m_zoom = zoom;
  RecalcScrollSizes();
  const DevicePoint moved = WorldToScreen(world);
  const DevicePoint target = centre ? Centre({0, 0, m_clientSize.cx, m_clientSize.cy}) : point;
  ScrollBy(moved.x - target.x, moved.y - target.y);
}

void ViewCore::ZoomIn(DevicePoint point) {
  const auto step = std::upper_bound(ZoomSteps.begin(), ZoomSteps.end(), m_zoom);
  SetZoom(step != ZoomSteps.end() ? *step : ZoomSteps.back(), point, true);
}

void ViewCore::ZoomOut(DevicePoint point) {
  const auto step = std::lower_bound(ZoomSteps.begin(), ZoomSteps.end(), m_zoom);
  SetZoom(step != ZoomSteps.begin() ? *std::prev(step) : ZoomSteps.front(), point, true);
}

void ViewCore::ZoomToRect(const DoubleRect& rect) {
  int cw = m_clientSize.cx;
  int ch = m_clientSize.cy;
  // Room for the bars that zooming in will bring.
  const DeviceSize bars = m_host.GetScrollBarSizes();
  if (!ShowsVerticalScrollBar()) cw -= bars.cx;
  if (!ShowsHorizontalScrollBar()) ch -= bars.cy;
  const DeviceRect screen = WorldRectToScreen(rect);
  const long long w = screen.right - screen.left;
  const long long h = screen.bottom - screen.top;
  double factor = 0.0;
  if (w * ch >= h * cw) {
    if (h < ch) cw += bars.cx;
    // A rectangle without pixel width here has no zoom to fit it.
    if (w <= 0) return;
    factor = static_cast<double>(cw - 1) / static_cast<double>(w);
  } else {
    if (w < cw) ch += bars.cy;
    if (h <= 0) return;
    factor = static_cast<double>(ch - 1) / static_cast<double>(h);
  }
  SetZoom(factor * m_zoom, Centre(screen), true);
}

void ViewCore::ZoomAll() {
  ComputeFitScale();
  SetZoom(1.0, {0, 0}, true);
}

void ViewCore::OnMouseWheel(unsigned flags, int delta, DevicePoint clientPoint) {
  constexpr int kWheelLines = 3;
  if ((flags & MK_CONTROL) != 0) {
    const int step = kWheelLines * m_scroll.line.cx;
    ScrollBy(delta > 0 ? -step : step, 0);
    return;
  }
  if ((flags & MK_SHIFT) != 0) {
    const int step = kWheelLines * m_scroll.line.cy;
    ScrollBy(0, delta > 0 ? -step : step);
    return;
  }
  double zoom = m_zoom;
  if (delta > 0) {
    zoom += m_zoom < 1.0f ? 0.1 : 0.5;
  } else {
    zoom -= m_zoom <= 1.0f ? 0.1 : 0.5;
  }
  SetZoom(zoom, clientPoint, false);
}

}  // namespace quor
