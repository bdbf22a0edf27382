#include "platform/draw/PixelCanvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "platform/draw/SegmentClip.h"

namespace quor {

namespace {

constexpr COLORREF kCheckBoxDarkShadow = 0x696969;
constexpr COLORREF kCheckMark = 0x000000;
// Figures are clipped to the canvas grown by this many pixels on every side,
// so that coordinates anywhere in the range of int draw in time proportional
// to the canvas and no pixel arithmetic overflows. Wider than any pen, so the
// cut ends of a clipped figure never show.
constexpr int kGuard = 64;
constexpr int kWidestPen = kGuard / 2;

bool Before(const DevicePoint& a, const DevicePoint& b) {
  return a.y != b.y ? a.y < b.y : a.x < b.x;
}

DeviceRect Normalised(const DeviceRect& r) {
  return {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
          std::max(r.top, r.bottom)};
}

bool Inside(const DeviceRect& box, DevicePoint p) {
  return p.x >= box.left && p.x <= box.right && p.y >= box.top && p.y <= box.bottom;
}

int ClampToInt(double value, int low, int high) {
  return static_cast<int>(std::clamp(value, static_cast<double>(low), static_cast<double>(high)));
}

// An axis-parallel rectangle cut down to the box: the pixels inside the box stay as they were.
DeviceRect ClampRect(const DeviceRect& r, const DeviceRect& box) {
  return {std::clamp(r.left, box.left, box.right), std::clamp(r.top, box.top, box.bottom),
          std::clamp(r.right, box.left, box.right), std::clamp(r.bottom, box.top, box.bottom)};
}

// Bresenham from a towards b, leaving b out.
void AppendBresenham(DevicePoint a, DevicePoint b, std::vector<DevicePoint>& out) {
  const int dx = std::abs(b.x - a.x);
  const int dy = -std::abs(b.y - a.y);
  const int sx = a.x < b.x ? 1 : -1;
  const int sy = a.y < b.y ? 1 : -1;
  int error = dx + dy;
  while (a != b) {
    out.push_back(a);
    const int e2 = 2 * error;
    if (e2 >= dy) {
      error += dy;
      a.x += sx;
    }
    if (e2 <= dx) {
      error += dx;
      a.y += sy;
    }
  }
}

// A segment inside the box is drawn exactly; one that leaves it only where it crosses the box.
void AppendLine(DevicePoint a, DevicePoint b, const DeviceRect& box, std::vector<DevicePoint>& out) {
  if (Inside(box, a) && Inside(box, b)) {
    AppendBresenham(a, b, out);
    return;
  }
  double x0 = a.x;
  double y0 = a.y;
  double x1 = b.x;
  double y1 = b.y;
  const ClipBox clip{double(box.left), double(box.top), double(box.right), double(box.bottom)};
  if (!ClipSegment(clip, x0, y0, x1, y1)) return;
  const DevicePoint from{static_cast<int>(std::lround(x0)), static_cast<int>(std::lround(y0))};
  const DevicePoint to{static_cast<int>(std::lround(x1)), static_cast<int>(std::lround(y1))};
  AppendBresenham(from, to, out);
}

// The pixels a pen leaves along a path: its dash pattern, then its width.
std::vector<DevicePoint> PenPixels(const std::vector<DevicePoint>& path, const Pen& pen) {
  if (pen.style == PenStyle::Null) return {};
  std::vector<DevicePoint> kept;
  int on = 1;
  int off = 0;
  if (pen.style == PenStyle::Dash) on = 18, off = 6;
  if (pen.style == PenStyle::Dot) on = 3, off = 3;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (static_cast<int>(i % static_cast<std::size_t>(on + off)) < on) kept.push_back(path[i]);
  }
  if (pen.width <= 1) return kept;
  std::vector<DevicePoint> wide;
  const int width = std::min(pen.width, kWidestPen);
  const int before = (width - 1) / 2;
  for (const DevicePoint& p : kept) {
    for (int dy = -before; dy < width - before; ++dy) {
      for (int dx = -before; dx < width - before; ++dx) wide.push_back({p.x + dx, p.y + dy});
    }
  }
  return wide;
}

// Pixels of a span set that lie on its border (a 4-neighbour outside the set).
std::vector<DevicePoint> Border(const std::vector<std::pair<int, int>>& rows, int top) {
  std::vector<DevicePoint> border;
  const auto inRow = [&](int index, int x) {
    if (index < 0 || index >= static_cast<int>(rows.size())) return false;
    return x >= rows[index].first && x < rows[index].second;
  };
  for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
    for (int x = rows[i].first; x < rows[i].second; ++x) {
      if (x == rows[i].first || x == rows[i].second - 1 || !inRow(i - 1, x) || !inRow(i + 1, x)) {
        border.push_back({x, top + i});
      }
    }
  }
  return border;
}

}  // namespace

PixelCanvas::PixelCanvas(std::span<std::uint8_t> rgb, int width, int height)
    : m_rgb(rgb), m_width(width), m_height(height) {}

DeviceRect PixelCanvas::GuardBox() const {
  return {-kGuard, -kGuard, m_width + kGuard, m_height + kGuard};
}

COLORREF PixelCanvas::PixelAt(int x, int y) const {
  if (x < 0 || y < 0 || x >= m_width || y >= m_height) return 0;
  const std::uint8_t* p = &m_rgb[3 * (static_cast<std::size_t>(y) * m_width + x)];
  return Rgb(p[0], p[1], p[2]);
}

void PixelCanvas::Plot(int x, int y, COLORREF colour, RasterOp op) {
  if (x < 0 || y < 0 || x >= m_width || y >= m_height) return;
  std::uint8_t* p = &m_rgb[3 * (static_cast<std::size_t>(y) * m_width + x)];
  const std::uint8_t rgb[3] = {static_cast<std::uint8_t>(colour & 0xFF),
                               static_cast<std::uint8_t>((colour >> 8) & 0xFF),
                               static_cast<std::uint8_t>((colour >> 16) & 0xFF)};
  for (int i = 0; i < 3; ++i) p[i] = op == RasterOp::XorPen ? p[i] ^ rgb[i] : rgb[i];
  Touch(x, y, x + 1, y + 1);
}

void PixelCanvas::Touch(int left, int top, int right, int bottom) {
  if (m_damage.left >= m_damage.right) {
    m_damage = {left, top, right, bottom};
    return;
  }
  m_damage = {std::min(m_damage.left, left), std::min(m_damage.top, top), std::max(m_damage.right, right),
              std::max(m_damage.bottom, bottom)};
}

DeviceRect PixelCanvas::TakeDamage() {
  return std::exchange(m_damage, DeviceRect{});
}

void PixelCanvas::FillRect(const DeviceRect& rect, COLORREF colour, RasterOp op) {
  const DeviceRect r = Normalised(rect);
  for (int y = std::max(r.top, 0); y < std::min(r.bottom, m_height); ++y) {
    for (int x = std::max(r.left, 0); x < std::min(r.right, m_width); ++x) Plot(x, y, colour, op);
  }
}

void PixelCanvas::Paint(std::vector<DevicePoint> outline, const std::vector<Span>& inside, const Pen& pen,
                        const Brush& brush, RasterOp op) {
  std::sort(outline.begin(), outline.end(), Before);
  outline.erase(std::unique(outline.begin(), outline.end()), outline.end());
  if (brush.style == BrushStyle::Solid) {
    for (const Span& s : inside) {
      for (int x = s.left; x < s.right; ++x) {
        // A pixel of both the outline and the inside is drawn once, by the pen.
        if (!std::binary_search(outline.begin(), outline.end(), DevicePoint{x, s.y}, Before)) {
          Plot(x, s.y, brush.colour, op);
        }
      }
    }
  }
  for (const DevicePoint& p : outline) Plot(p.x, p.y, pen.colour, op);
}

void PixelCanvas::Rectangle(const DeviceRect& rect, const Pen& pen, const Brush& brush, RasterOp op) {
  const DeviceRect normalised = Normalised(rect);
  if (normalised.right == normalised.left || normalised.bottom == normalised.top) return;
  const DeviceRect box = GuardBox();
  const DeviceRect r = ClampRect(normalised, box);
  if (r.right - r.left < 1 || r.bottom - r.top < 1) return;
  std::vector<Span> inside;
  if (pen.style == PenStyle::Null) {
    // GDI leaves the right and bottom pixel out when there is no pen.
    for (int y = r.top; y < r.bottom - 1; ++y) inside.push_back({y, r.left, r.right - 1});
    Paint({}, inside, pen, brush, op);
    return;
  }
  const DevicePoint corners[] = {{r.left, r.top},
                                 {r.right - 1, r.top},
                                 {r.right - 1, r.bottom - 1},
                                 {r.left, r.bottom - 1},
                                 {r.left, r.top}};
  std::vector<DevicePoint> path;
  for (int i = 0; i < 4; ++i) AppendLine(corners[i], corners[i + 1], box, path);
  if (path.empty()) path.push_back(corners[0]);
  for (int y = r.top + 1; y < r.bottom - 1; ++y) inside.push_back({y, r.left + 1, r.right - 1});
  Paint(PenPixels(path, pen), inside, pen, brush, op);
}

void PixelCanvas::Ellipse(const DeviceRect& rect, const Pen& pen, const Brush& brush, RasterOp op) {
  const DeviceRect r = Normalised(rect);
  if (r.right == r.left || r.bottom == r.top) return;
  const double left = r.left;
  const double top = r.top;
  const double right = r.right;
  const double bottom = r.bottom;
  const double cx = (left + right - 1) / 2.0;
  const double cy = (top + bottom - 1) / 2.0;
  const double a = (right - 1 - left) / 2.0 + 0.5;
  const double b = (bottom - 1 - top) / 2.0 + 0.5;
  // Only the rows and columns near the canvas: the cut ends lie in the guard.
  const DeviceRect box = GuardBox();
  const int firstRow = std::max(r.top, box.top);
  const int endRow = std::min(r.bottom, box.bottom);
  std::vector<std::pair<int, int>> rows;
  for (int y = firstRow; y < endRow; ++y) {
    const double dy = (y - cy) / b;
    const double half = a * std::sqrt(std::max(0.0, 1.0 - dy * dy));
    rows.emplace_back(ClampToInt(std::round(cx - half + 0.5), box.left, box.right),
                      ClampToInt(std::round(cx + half + 0.5), box.left, box.right));
  }
  std::vector<DevicePoint> border = Border(rows, firstRow);
  std::vector<Span> inside;
  for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
    inside.push_back({firstRow + i, rows[i].first, rows[i].second});
  }
  Paint(PenPixels(border, pen), inside, pen, brush, op);
}

void PixelCanvas::Polygon(std::span<const DevicePoint> points, const Pen& pen, const Brush& brush,
                          RasterOp op) {
  if (points.empty()) return;
  const DeviceRect box = GuardBox();
  std::vector<DevicePoint> path;
  for (std::size_t i = 0; i < points.size(); ++i) {
    AppendLine(points[i], points[(i + 1) % points.size()], box, path);
  }
  // Alternate fill, sampled at pixel centres.
  std::vector<Span> inside;
  const auto [low, high] = std::minmax_element(
      points.begin(), points.end(), [](const DevicePoint& p, const DevicePoint& q) { return p.y < q.y; });
  // Rows off the canvas are never filled.
  for (int y = std::max(low->y, 0); y < std::min(high->y, m_height); ++y) {
    const double yc = y + 0.5;
    std::vector<double> crossings;
    for (std::size_t i = 0; i < points.size(); ++i) {
      const DevicePoint& p = points[i];
      const DevicePoint& q = points[(i + 1) % points.size()];
      if ((p.y <= yc) == (q.y <= yc)) continue;
      crossings.push_back(p.x + (yc - p.y) * (double(q.x) - p.x) / (double(q.y) - p.y));
    }
    std::sort(crossings.begin(), crossings.end());
    for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
      const int left = ClampToInt(std::ceil(crossings[i] - 0.5), box.left, box.right);
      const int right = ClampToInt(std::ceil(crossings[i + 1] - 0.5), box.left, box.right);
      if (left < right) inside.push_back({y, left, right});
    }
  }
  Paint(PenPixels(path, pen), inside, pen, brush, op);
}

void PixelCanvas::Polyline(std::span<const DevicePoint> points, const Pen& pen, RasterOp op) {
  std::vector<DevicePoint> path;
  const DeviceRect box = GuardBox();
  for (std::size_t i = 0; i + 1 < points.size(); ++i) AppendLine(points[i], points[i + 1], box, path);
  Paint(PenPixels(path, pen), {}, pen, Brush{BrushStyle::Hollow, 0}, op);
}

void PixelCanvas::Edge(const DeviceRect& rect, unsigned edge, unsigned flags) {
  DeviceRect r = ClampRect(Normalised(rect), GuardBox());
  // Outer border, then inner: each sunken or raised on its own bit.
  const bool layers[2][2] = {{(edge & BDR_SUNKENOUTER) != 0, (edge & BDR_RAISEDOUTER) != 0},
                             {(edge & BDR_SUNKENINNER) != 0, (edge & BDR_RAISEDINNER) != 0}};
  for (const auto& layer : layers) {
    const bool sunken = layer[0];
    const bool raised = layer[1];
    if (!sunken && !raised) continue;
    const COLORREF topLeft = sunken ? kButtonShadowColour : kButtonHighlightColour;
    const COLORREF bottomRight = sunken ? kButtonHighlightColour : kButtonShadowColour;
    if (flags & BF_LEFT) FillRect({r.left, r.top, r.left + 1, r.bottom}, topLeft, RasterOp::CopyPen);
    if (flags & BF_TOP) FillRect({r.left, r.top, r.right, r.top + 1}, topLeft, RasterOp::CopyPen);
    if (flags & BF_RIGHT) FillRect({r.right - 1, r.top, r.right, r.bottom}, bottomRight, RasterOp::CopyPen);
    if (flags & BF_BOTTOM)
      FillRect({r.left, r.bottom - 1, r.right, r.bottom}, bottomRight, RasterOp::CopyPen);
    if (flags & BF_LEFT) ++r.left;
    if (flags & BF_TOP) ++r.top;
    if (flags & BF_RIGHT) --r.right;
    if (flags & BF_BOTTOM) --r.bottom;
  }
  if (flags & BF_MIDDLE) FillRect(r, kButtonFaceColour, RasterOp::CopyPen);
}

void PixelCanvas::CheckBox(const DeviceRect& rect, bool checked) {
  // A square box, centred in the rectangle.
  const DeviceRect area = ClampRect(Normalised(rect), GuardBox());
  const int side = std::min(area.right - area.left, area.bottom - area.top);
  if (side < 4) return;
  const int left = area.left + (area.right - area.left - side) / 2;
  const int top = area.top + (area.bottom - area.top - side) / 2;
  const DeviceRect r{left, top, left + side, top + side};
  // A sunken box: shadow and dark shadow at the top left, face and highlight at the bottom right.
  FillRect({r.left, r.top, r.right, r.top + 1}, kButtonShadowColour, RasterOp::CopyPen);
  FillRect({r.left, r.top, r.left + 1, r.bottom}, kButtonShadowColour, RasterOp::CopyPen);
  FillRect({r.left, r.bottom - 1, r.right, r.bottom}, kButtonHighlightColour, RasterOp::CopyPen);
  FillRect({r.right - 1, r.top, r.right, r.bottom}, kButtonHighlightColour, RasterOp::CopyPen);
  FillRect({r.left + 1, r.top + 1, r.right - 1, r.top + 2}, kCheckBoxDarkShadow, RasterOp::CopyPen);
  FillRect({r.left + 1, r.top + 1, r.left + 2, r.bottom - 1}, kCheckBoxDarkShadow, RasterOp::CopyPen);
  FillRect({r.left + 1, r.bottom - 2, r.right - 1, r.bottom - 1}, kButtonFaceColour, RasterOp::CopyPen);
  FillRect({r.right - 2, r.top + 1, r.right - 1, r.bottom - 1}, kButtonFaceColour, RasterOp::CopyPen);
  const DeviceRect inner{r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
  FillRect(inner, 0xFFFFFF, RasterOp::CopyPen);
  if (!checked) return;
  const int w = inner.right - inner.left;
  const int h = inner.bottom - inner.top;
  const DevicePoint mark[] = {{inner.left + w / 5, inner.top + h / 2},
                              {inner.left + 2 * w / 5, inner.top + 7 * h / 10},
                              {inner.left + 4 * w / 5, inner.top + h / 4}};
  const Pen pen{PenStyle::Solid, 1, kCheckMark};
  for (int offset = 0; offset < 2; ++offset) {
    const DevicePoint shifted[] = {
        {mark[0].x, mark[0].y + offset}, {mark[1].x, mark[1].y + offset}, {mark[2].x, mark[2].y + offset}};
    Polyline(shifted, pen, RasterOp::CopyPen);
  }
}

}  // namespace quor
