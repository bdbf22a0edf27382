// The table that turns a layer's red, green and blue into a DXF colour
// number: read from a colour file when one is there, else a built-in palette.
#pragma once

#include <array>
#include <filesystem>

namespace quor::dxfconv {

class ColourTable {
 public:
  static constexpr int kEntryCount = 255;

  struct Entry {
    int code = 0;  // the DXF colour number the entry stands for
    int red = 0;
    int green = 0;
    int blue = 0;
  };

  ColourTable() { UseBuiltInPalette(); }

  void UseBuiltInPalette();

  // Takes the 255 records of the colour file; a missing file, or one whose
  // records are not all readable, gives the built-in palette instead.
  void Load(const std::filesystem::path& colourFile);

  // The colour number of the nearest entry; the layer's ordinal when that
  // entry's code is no DXF colour number.
  int ColourCode(int red, int green, int blue, int ordinal) const;

  const Entry& At(int k) const { return m_entries[k - 1]; }  // k = 1..255

 private:
  std::array<Entry, kEntryCount> m_entries;
};

}  // namespace quor::dxfconv
