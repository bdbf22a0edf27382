// The Y-parameter file in Touchstone form: P = Nc - 1 ports with conductor 0
// as the reference; every entry is purely imaginary, omega times the Maxwell
// capacitance.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <span>
#include <string>

namespace quor::solver {

class SquareMatrix;

// base + ".y<P>p" for fewer than 10 ports, base + ".y<P>" from 10 on.
std::string TouchstoneYFileName(const std::string& basePath, std::int32_t conductorCount);

// `frequencies` are in `frequencyUnit` hertz; a unit other than kHz, MHz and
// GHz gets no option line. The Maxwell matrix is in the solver's length
// unit; `lengthUnitMetres` turns it into farads.
void WriteTouchstoneYFile(std::ostream& out, const SquareMatrix& maxwell, std::span<const double> frequencies,
                          std::int32_t frequencyUnit, double lengthUnitMetres);

}  // namespace quor::solver
