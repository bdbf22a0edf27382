#include "solver/tessmor/CktFile.h"

#include <ostream>
#include <string>

#include "solver/TextNumbers.h"
#include "solver/tessmor/CapacitanceMatrix.h"
#include "solver/tessmor/SquareMatrix.h"

namespace quor::solver {

namespace {

constexpr int kValueDigits = 6;
constexpr double kPicofarads = 1e12;

void WriteCapacitor(std::ostream& out, std::int32_t from, std::int32_t to, double picofarads) {
  out << "CAP " << std::to_string(from) << ' ' << std::to_string(to)
      << " c= " << FormatScientific(picofarads, kValueDigits) << '\n';
}

}  // namespace

void WriteCktFile(std::ostream& out, const SquareMatrix& maxwell, double lengthUnitMetres) {
  // Entry (l, m) of the reduced matrix belongs to conductors l + 1 and m + 1.
  const SquareMatrix reduced = ReducedCapacitanceMatrix(maxwell);
  const double scale = lengthUnitMetres * kPicofarads;
  for (std::int32_t l = 0; l < reduced.Size(); ++l) {
    WriteCapacitor(out, l + 1, 0, reduced(l, l) * scale);
    for (std::int32_t m = l + 1; m < reduced.Size(); ++m) {
      // The mean of the two mutual terms, which agree but for the solve's rounding.
      WriteCapacitor(out, l + 1, m + 1, (reduced(m, l) + reduced(l, m)) * scale * 0.5);
    }
  }
}

}  // namespace quor::solver
