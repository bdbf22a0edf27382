#include "editor/ui/ArtBitmaps.h"

#include "editor/ui/CursorArt.h"
#include "editor/ui/PixelArt.h"
#include "editor/ui/ToolbarArt.h"

namespace quor {

wxImage PixelArtImage(std::span<const std::string_view> rows) {
  const int height = static_cast<int>(rows.size());
  const int width = height > 0 ? static_cast<int>(rows.front().size()) : 0;
  wxImage image(width, height);
  image.InitAlpha();
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width && x < static_cast<int>(rows[y].size()); ++x) {
      const std::optional<ArtColour> colour = PixelArtColour(rows[y][x]);
      if (!colour) {
        image.SetAlpha(x, y, wxIMAGE_ALPHA_TRANSPARENT);
        continue;
      }
      image.SetRGB(x, y, colour->r, colour->g, colour->b);
      image.SetAlpha(x, y, wxIMAGE_ALPHA_OPAQUE);
    }
  }
  return image;
}

wxBitmap LoadToolbarBitmap(int commandId) {
  const std::span<const std::string_view> art = FindToolbarArt(commandId);
  if (art.empty()) return wxBitmap();
  return wxBitmap(PixelArtImage(art));
}

wxCursor LoadCursorResource(int resourceId) {
  switch (resourceId) {
    case system_cursor::IDC_SIZENWSE:
      return wxCursor(wxCURSOR_SIZENWSE);
    case system_cursor::IDC_SIZENESW:
      return wxCursor(wxCURSOR_SIZENESW);
    case system_cursor::IDC_SIZEWE:
      return wxCursor(wxCURSOR_SIZEWE);
    case system_cursor::IDC_SIZENS:
      return wxCursor(wxCURSOR_SIZENS);
    default:
      break;
  }
  const CursorArt* art = FindCursorArt(resourceId);
  if (art == nullptr) return wxCursor(wxCURSOR_ARROW);
  wxImage image = PixelArtImage(art->rows);
  image.SetOption(wxIMAGE_OPTION_CUR_HOTSPOT_X, art->hotX);
  image.SetOption(wxIMAGE_OPTION_CUR_HOTSPOT_Y, art->hotY);
  return wxCursor(image);
}

}  // namespace quor
