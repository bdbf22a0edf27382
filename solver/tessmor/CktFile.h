// The circuit file (base path + ".ckt"): one capacitor line per conductor
// to ground (conductor 0) and per pair of conductors, in picofarads.
#pragma once

#include <iosfwd>

namespace quor::solver {

class SquareMatrix;

// The Maxwell matrix is in the solver's length unit; `lengthUnitMetres`
// turns it into farads. One conductor gives an empty file.
void WriteCktFile(std::ostream& out, const SquareMatrix& maxwell, double lengthUnitMetres);

}  // namespace quor::solver
