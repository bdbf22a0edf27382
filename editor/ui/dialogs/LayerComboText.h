// The text of a layer in the owner-drawn layer combo boxes: its name, its
// height in the display unit and the unit's name.
#pragma once

#include <string>
#include <string_view>

namespace quor {

class CLayer;

// "%s - %.3g %s". A unit name outside the length unit table shows the height
// in internal units.
std::string LayerComboText(const CLayer& layer, std::string_view unitName);

}  // namespace quor
