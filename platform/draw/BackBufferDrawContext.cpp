#include "platform/draw/BackBufferDrawContext.h"

#include <wx/bitmap.h>
#include <wx/control.h>
#include <wx/dcmemory.h>
#include <wx/settings.h>

#include <algorithm>
#include <utility>

namespace quor {

namespace {

wxColour ToWx(COLORREF c) {
  return wxColour(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

wxFont ToWxFont(const Font& font) {
  wxFont result = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
  if (font.pointSize > 0) result.SetPointSize(font.pointSize);
  if (font.bold) result.MakeBold();
  return result;
}

wxString ToWxString(std::string_view text) {
  wxString s = wxString::FromUTF8(text.data(), text.size());
  // Text that is not UTF-8 is shown byte for byte rather than not at all.
  if (s.empty() && !text.empty()) s = wxString::From8BitData(text.data(), text.size());
  return s;
}

DeviceRect Intersect(const DeviceRect& a, const DeviceRect& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

bool IsEmpty(const DeviceRect& r) {
  return r.left >= r.right || r.top >= r.bottom;
}

DeviceRect Union(const DeviceRect& a, const DeviceRect& b) {
  if (IsEmpty(a)) return b;
  if (IsEmpty(b)) return a;
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

// Greedy word wrap of one paragraph to a width; a word wider than the width gets a line of its own.
void Wrap(const wxString& paragraph, const wxDC& dc, int width, std::vector<wxString>& lines) {
  wxString line;
  wxString word;
  const auto flushWord = [&] {
    const wxString candidate = line.empty() ? word : line + " " + word;
    if (!line.empty() && dc.GetTextExtent(candidate).x > width) {
      lines.push_back(line);
      line = word;
    } else {
      line = candidate;
    }
    word.clear();
  };
  for (const wxUniChar c : paragraph) {
    if (c == ' ') {
      if (!word.empty()) flushWord();
      continue;
    }
    word += c;
  }
  if (!word.empty()) flushWord();
  lines.push_back(line);
}

}  // namespace

BackBufferDrawContext::BackBufferDrawContext(int width, int height)
    : m_image(std::max(width, 1), std::max(height, 1)), m_wxFont(ToWxFont(CurrentFont())) {
  m_image.SetRGB(wxRect(0, 0, m_image.GetWidth(), m_image.GetHeight()), 255, 255, 255);
  Attach();
}

void BackBufferDrawContext::Attach() {
  // A fresh canvas knows nothing of what the old one changed.
  m_damage = Union(m_damage, m_canvas.TakeDamage());
  const int w = m_image.GetWidth();
  const int h = m_image.GetHeight();
  m_canvas = PixelCanvas({m_image.GetData(), static_cast<std::size_t>(w) * h * 3}, w, h);
}

bool BackBufferDrawContext::Resize(int width, int height) {
  width = std::max(width, 1);
  height = std::max(height, 1);
  if (width == m_image.GetWidth() && height == m_image.GetHeight()) return true;
  wxImage resized(width, height, false);
  if (!resized.IsOk()) return false;
  resized.SetRGB(wxRect(0, 0, width, height), 255, 255, 255);
  resized.Paste(m_image, 0, 0);
  m_image = std::move(resized);
  Attach();
  m_damage = {0, 0, width, height};
  return true;
}

DeviceRect BackBufferDrawContext::TakeDamage() {
  return Union(m_canvas.TakeDamage(), std::exchange(m_damage, DeviceRect{}));
}

void BackBufferDrawContext::Blit(wxDC& dc, const DeviceRect& area) const {
  const DeviceRect r = Intersect(area, {0, 0, m_image.GetWidth(), m_image.GetHeight()});
  if (IsEmpty(r)) return;
  const wxImage part = m_image.GetSubImage(wxRect(r.left, r.top, r.right - r.left, r.bottom - r.top));
  dc.DrawBitmap(wxBitmap(part), r.left, r.top);
}

void BackBufferDrawContext::Rectangle(const DeviceRect& rect) {
  m_canvas.Rectangle(rect, CurrentPen(), CurrentBrush(), CurrentRasterOp());
}

void BackBufferDrawContext::Ellipse(const DeviceRect& rect) {
  m_canvas.Ellipse(rect, CurrentPen(), CurrentBrush(), CurrentRasterOp());
}

void BackBufferDrawContext::Polygon(std::span<const DevicePoint> points) {
  m_canvas.Polygon(points, CurrentPen(), CurrentBrush(), CurrentRasterOp());
}

void BackBufferDrawContext::Polyline(std::span<const DevicePoint> points) {
  m_canvas.Polyline(points, CurrentPen(), CurrentRasterOp());
}

Font BackBufferDrawContext::SelectFont(const Font& font) {
  if (!(font == CurrentFont())) m_wxFont = ToWxFont(font);
  return SelectingDrawContext::SelectFont(font);
}

void BackBufferDrawContext::FillRect(const DeviceRect& rect, const Brush& brush) {
  if (brush.style == BrushStyle::Hollow) return;
  m_canvas.FillRect(rect, brush.colour, CurrentRasterOp());
}

DeviceRect BackBufferDrawContext::DrawEdge(const DeviceRect& rect, unsigned edge, unsigned flags) {
  m_canvas.Edge(rect, edge, flags);
  if (!(flags & BF_ADJUST)) return rect;
  DeviceRect inner = rect;
  const int thickness = ((edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER)) ? 1 : 0) +
                        ((edge & (BDR_RAISEDINNER | BDR_SUNKENINNER)) ? 1 : 0);
  if (flags & BF_LEFT) inner.left += thickness;
  if (flags & BF_TOP) inner.top += thickness;
  if (flags & BF_RIGHT) inner.right -= thickness;
  if (flags & BF_BOTTOM) inner.bottom -= thickness;
  return inner;
}

void BackBufferDrawContext::DrawCheckBox(const DeviceRect& rect, bool checked) {
  m_canvas.CheckBox(rect, checked);
}

DeviceSize BackBufferDrawContext::TextExtent(std::string_view text) {
  wxBitmap bitmap(1, 1);
  wxMemoryDC dc(bitmap);
  dc.SetFont(m_wxFont);
  const wxSize size = dc.GetTextExtent(ToWxString(text));
  return {size.x, std::max(size.y, dc.GetCharHeight())};
}

int BackBufferDrawContext::FontAscent() {
  wxBitmap bitmap(1, 1);
  wxMemoryDC dc(bitmap);
  dc.SetFont(m_wxFont);
  int width = 0;
  int height = 0;
  int descent = 0;
  dc.GetTextExtent("Xg", &width, &height, &descent);
  return height - descent;
}

void BackBufferDrawContext::DrawText(std::string_view text, const DeviceRect& rect, unsigned format) {
  wxBitmap bitmap(1, 1);
  wxMemoryDC measure(bitmap);
  measure.SetFont(m_wxFont);
  const wxString all = ToWxString(text);
  const int width = rect.right - rect.left;
  std::vector<wxString> lines;
  if (format & DT_SINGLELINE) {
    wxString single = all;
    single.Replace("\n", " ");
    lines.push_back(single);
  } else {
    for (const wxString& paragraph : wxSplit(all, '\n', '\0')) {
      if (format & DT_WORDBREAK) {
        Wrap(paragraph, measure, width, lines);
      } else {
        lines.push_back(paragraph);
      }
    }
  }
  if (format & DT_END_ELLIPSIS) {
    for (wxString& line : lines) {
      if (measure.GetTextExtent(line).x > width)
        line = wxControl::Ellipsize(line, measure, wxELLIPSIZE_END, width);
    }
  }
  DrawLines(lines, rect, format);
}

void BackBufferDrawContext::DrawLines(const std::vector<wxString>& lines, const DeviceRect& rect,
                                      unsigned format) {
  const DeviceRect clip = Intersect(rect, {0, 0, m_image.GetWidth(), m_image.GetHeight()});
  if (IsEmpty(clip) || lines.empty()) return;
  const wxRect area(clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top);
  wxBitmap part(m_image.GetSubImage(area));
  {
    wxMemoryDC dc(part);
    dc.SetFont(m_wxFont);
    dc.SetTextForeground(ToWx(CurrentTextColour()));
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    const int lineHeight = dc.GetCharHeight();
    int y = rect.top;
    if ((format & DT_SINGLELINE) && (format & DT_VCENTER))
      y = rect.top + (rect.bottom - rect.top - lineHeight) / 2;
    for (const wxString& line : lines) {
      const int lineWidth = dc.GetTextExtent(line).x;
      int x = rect.left;
      if (format & DT_CENTER) x = rect.left + (rect.right - rect.left - lineWidth) / 2;
      if (format & DT_RIGHT) x = rect.right - lineWidth;
      dc.DrawText(line, x - clip.left, y - clip.top);
      y += lineHeight;
    }
  }
  m_image.Paste(part.ConvertToImage(), clip.left, clip.top);
  Attach();  // pasting may have given the image a buffer of its own
  m_damage = Union(m_damage, clip);
}

}  // namespace quor
