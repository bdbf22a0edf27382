#include "editor/ui/bars/BarArt.h"

#include <wx/settings.h>

#include <array>

#include "editor/document/DrawColorSwatch.h"
#include "platform/draw/BackBufferDrawContext.h"

namespace quor {

namespace {

constexpr int kSize = 16;
// Light grey: the ground the pictures are drawn on, made transparent.
constexpr COLORREF kTransparent = Rgb(192, 192, 192);
constexpr COLORREF kBlack = Rgb(0, 0, 0);
constexpr COLORREF kGold = Rgb(200, 160, 40);
constexpr COLORREF kBlue = Rgb(40, 90, 200);
constexpr COLORREF kWhite = Rgb(255, 255, 255);

wxBitmap Transparent(const BackBufferDrawContext& dc) {
  wxImage image = dc.Image();
  image.SetMaskColour(192, 192, 192);
  return wxBitmap(image);
}

void Figure(DrawContext& dc, COLORREF pen, COLORREF fill) {
  dc.SelectPen(Pen{PenStyle::Solid, 1, pen});
  dc.SelectBrush(Brush{BrushStyle::Solid, fill});
}

void Padlock(DrawContext& dc, bool closed) {
  Figure(dc, kBlack, kGold);
  dc.Rectangle({3, 7, 13, 15});
  // The shackle: both legs in the body when closed, one lifted out when open.
  const std::array<DevicePoint, 5> shackle =
      closed ? std::array<DevicePoint, 5>{{{5, 7}, {5, 3}, {7, 1}, {9, 1}, {11, 3}}}
             : std::array<DevicePoint, 5>{{{5, 7}, {5, 2}, {7, 0}, {9, 0}, {11, 2}}};
  dc.Polyline(shackle);
  if (closed) dc.Polyline(std::array<DevicePoint, 2>{{{11, 3}, {11, 7}}});
}

void Eye(DrawContext& dc, bool open) {
  Figure(dc, kBlack, kWhite);
  if (!open) {
    dc.Polyline(std::array<DevicePoint, 5>{{{1, 7}, {4, 10}, {8, 11}, {12, 10}, {15, 7}}});
    return;
  }
  dc.Ellipse({1, 4, 15, 12});
  Figure(dc, kBlack, kBlue);
  dc.Ellipse({5, 5, 11, 11});
}

}  // namespace

COLORREF WindowColour() {
  const wxColour colour = wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW);
  return Rgb(colour.Red(), colour.Green(), colour.Blue());
}

wxBitmap SwatchBitmap(COLORREF colour, COLORREF background, int width, int height) {
  BackBufferDrawContext dc(width, height);
  DrawColorSwatch(dc, {0, 0, width, height}, colour, background);
  return wxBitmap(dc.Image());
}

wxBitmap LayerStateBitmap(int image) {
  BackBufferDrawContext dc(kSize, kSize);
  dc.FillRect({0, 0, kSize, kSize}, Brush{BrushStyle::Solid, kTransparent});
  if (image <= 1) Padlock(dc, image == 0);
  if (image >= 2) Eye(dc, image == 2);
  return Transparent(dc);
}

wxBitmap TreeItemBitmap(int image) {
  BackBufferDrawContext dc(kSize, kSize);
  dc.FillRect({0, 0, kSize, kSize}, Brush{BrushStyle::Solid, kTransparent});
  switch (image) {
    case 0:  // a stack of layers
      Figure(dc, kBlack, Rgb(120, 180, 120));
      for (int top : {2, 6, 10}) dc.Rectangle({2, top, 14, top + 4});
      break;
    case 1:  // a group of vias
      Figure(dc, kBlack, kWhite);
      dc.Ellipse({1, 1, 8, 8});
      dc.Ellipse({8, 8, 15, 15});
      break;
    case 2:  // one layer
      Figure(dc, kBlack, Rgb(120, 180, 120));
      dc.Rectangle({2, 5, 14, 11});
      break;
    case 3:  // one via
      Figure(dc, kBlack, kWhite);
      dc.Ellipse({3, 3, 13, 13});
      break;
    default:  // a conductor polygon
      Figure(dc, kBlack, kGold);
      dc.Polygon(std::array<DevicePoint, 5>{{{2, 13}, {2, 4}, {9, 2}, {14, 7}, {10, 13}}});
      break;
  }
  return Transparent(dc);
}

}  // namespace quor
