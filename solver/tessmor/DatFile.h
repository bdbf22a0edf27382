// The capacitance result file (base path + ".dat"): when it was computed,
// how long each phase took, the number of unknowns, and the Maxwell and
// capacitance matrices in farads.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string_view>

namespace quor::solver {

class SquareMatrix;

struct DatFileTimes {
  long long fill = 0;  // whole seconds
  long long solve = 0;
  long long total = 0;
};

// `date` is the ctime() text, line end included. The matrices are in the
// solver's length unit; `lengthUnitMetres` turns them into farads.
void WriteDatFile(std::ostream& out, std::string_view date, const DatFileTimes& times, std::int32_t unknowns,
                  const SquareMatrix& maxwell, const SquareMatrix& capacitance, double lengthUnitMetres);

}  // namespace quor::solver
