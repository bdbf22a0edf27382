// Rounding of world-to-pixel mapping: halves go up, also below zero.
#pragma once

namespace quor {

// floor(x + 0.5), held within the range of int.
int RoundToInt(double x);

}  // namespace quor
