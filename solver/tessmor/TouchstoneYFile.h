// The Y-parameter file in Touchstone form: P = Nc - 1 ports with conductor 0
// as the reference; every entry is purely imaginary, omega times the Maxwell
// capacitance.
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>

namespace quor::solver {

class FrequencySweep;
class SquareMatrix;

// Told after each frequency point with the number of points written so far;
// answers whether to go on.
using SweepPointWritten = std::function<bool(std::int64_t written)>;

// base + ".y<P>p" for fewer than 10 ports, base + ".y<P>" from 10 on.
std::string TouchstoneYFileName(const std::string& basePath, std::int32_t conductorCount);

// The sweep is in `frequencyUnit` hertz; a unit other than kHz, MHz and GHz
// gets no option line. The Maxwell matrix is in the solver's length unit;
// `lengthUnitMetres` turns it into farads. Each point is computed as it is
// written; the sweep stops early when `pointWritten` answers false or `out`
// fails (a full disk). Returns the number of points written.
std::int64_t WriteTouchstoneYFile(std::ostream& out, const SquareMatrix& maxwell, const FrequencySweep& sweep,
                                  std::int32_t frequencyUnit, double lengthUnitMetres,
                                  const SweepPointWritten& pointWritten = {});

}  // namespace quor::solver
