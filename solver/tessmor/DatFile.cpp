#include "solver/tessmor/DatFile.h"

#include <ostream>
#include <string>

#include "solver/TextNumbers.h"
#include "solver/tessmor/SquareMatrix.h"

namespace quor::solver {

namespace {

constexpr int kFieldWidth = 16;

void WriteMatrix(std::ostream& out, const char* title, const SquareMatrix& matrix, double lengthUnitMetres) {
  out << title << "\n\n";
  for (std::int32_t i = 0; i < matrix.Size(); ++i) {
    for (std::int32_t j = 0; j < matrix.Size(); ++j) {
      out << FormatGeneral(matrix(i, j) * lengthUnitMetres, kFieldWidth);
    }
    out << '\n';
  }
  out << '\n';
}

}  // namespace

void WriteDatFile(std::ostream& out, std::string_view date, const DatFileTimes& times, std::int32_t unknowns,
                  const SquareMatrix& maxwell, const SquareMatrix& capacitance, double lengthUnitMetres) {
  out << date << '\n';
  out << "Calculations [s]:\n";
  out << "Matrix filling   " << std::to_string(times.fill) << '\n';
  out << "Matrix inversion " << std::to_string(times.solve) << '\n';
  out << "Total time       " << std::to_string(times.total) << "\n\n";
  out << "Total number of unknowns " << std::to_string(unknowns) << "\n\n";
  WriteMatrix(out, "B matrix [F]", maxwell, lengthUnitMetres);
  WriteMatrix(out, "C matrix [F]", capacitance, lengthUnitMetres);
}

}  // namespace quor::solver
