// The drawn pictures as wx bitmaps and cursors.
#pragma once

#include <wx/bitmap.h>
#include <wx/cursor.h>
#include <wx/image.h>

#include <span>
#include <string_view>

namespace quor {

// An image with an alpha channel: transparent where the art has '.'.
wxImage PixelArtImage(std::span<const std::string_view> rows);

// The toolbar button picture of a command, or an invalid bitmap.
wxBitmap LoadToolbarBitmap(int commandId);

// A tool's cursor by resource number, drawn or the system's; the arrow for
// an unknown number.
wxCursor LoadCursorResource(int resourceId);

}  // namespace quor
