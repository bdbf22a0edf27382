// The default colours of new layers, picked by the structure's layer counter.
#pragma once

#include <cstdint>

#include "platform/draw/DrawContext.h"

namespace quor {

inline constexpr int kLayerColourCount = 63;

// The counter only grows, so it wraps around the table.
COLORREF DefaultLayerColour(std::uint32_t layerCounter);

}  // namespace quor
