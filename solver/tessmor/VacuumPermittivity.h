// The constants that turn the kernel's geometric integrals into fields and
// charges.
#pragma once

#include <numbers>

namespace quor::solver {

// Farads per metre, to the digits the results have always been computed with.
inline constexpr double kEpsilon0 = 8.8542e-12;
inline constexpr double kCoulombFactor = 1.0 / (4.0 * std::numbers::pi * kEpsilon0);

}  // namespace quor::solver
