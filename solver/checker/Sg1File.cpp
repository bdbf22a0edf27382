#include "solver/checker/Sg1File.h"

#include <ostream>
#include <string>

#include "solver/TextNumbers.h"

namespace quor::solver {

namespace {

constexpr int kFieldWidth = 16;

}  // namespace

void WriteSg1File(std::ostream& out, std::int32_t conductorCount, std::span<const Plate> plates) {
  out << std::to_string(conductorCount) << '\n' << std::to_string(plates.size()) << '\n';
  for (const Plate& plate : plates) {
    out << std::to_string(plate.outline.size()) << '\n';
    for (const Polygon& polygon : plate.outline) polygon.Write(out);
    out << std::to_string(plate.conductorIndex) << '\n'
        << FormatGeneral(plate.epsA, kFieldWidth) << FormatGeneral(plate.epsB, kFieldWidth) << '\n';
  }
}

}  // namespace quor::solver
