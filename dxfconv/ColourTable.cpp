#include "dxfconv/ColourTable.h"

#include <algorithm>
#include <cmath>
#include <fstream>

#include "dxfconv/FreeFormatReader.h"

namespace quor::dxfconv {

namespace {

// Square root of a colour component in single precision; a component below 0
// counts as 0, since its root is undefined.
float Root(int component) {
  return std::sqrt(static_cast<float>(std::max(component, 0)));
}

using Entries = std::array<ColourTable::Entry, ColourTable::kEntryCount>;

bool ReadColourFile(const std::filesystem::path& colourFile, Entries& entries) {
  std::ifstream in(colourFile, std::ios::binary);
  if (!in) return false;
  FreeFormatReader reader(in);
  for (ColourTable::Entry& entry : entries) {
    std::array<int, 4> values{};
    if (!reader.ReadIntegers(values)) return false;
    entry = ColourTable::Entry{values[0], values[1], values[2], values[3]};
  }
  return true;
}

}  // namespace

void ColourTable::UseBuiltInPalette() {
  for (int k = 1; k <= kEntryCount; ++k) {
    m_entries[k - 1] = Entry{k, (k / 32) * 32, ((k % 32) / 4) * 32, (k % 4) * 64};
  }
}

void ColourTable::Load(const std::filesystem::path& colourFile) {
  if (!ReadColourFile(colourFile, m_entries)) UseBuiltInPalette();
}

int ColourTable::ColourCode(int red, int green, int blue, int ordinal) const {
  const float r = Root(red);
  const float g = Root(green);
  const float b = Root(blue);
  // Entries no nearer than this never win; only components beyond 0..255 get there.
  float best = 100.0f;
  const Entry* chosen = &m_entries[0];
  for (const Entry& entry : m_entries) {
    const float distance =
        std::fabs(Root(entry.red) - r) + std::fabs(Root(entry.green) - g) + std::fabs(Root(entry.blue) - b);
    if (distance < best) {
      best = distance;
      chosen = &entry;
    }
  }
  const bool isDxfColour = chosen->code >= 1 && chosen->code <= kEntryCount;
  return isDxfColour ? chosen->code : ordinal;
}

}  // namespace quor::dxfconv
