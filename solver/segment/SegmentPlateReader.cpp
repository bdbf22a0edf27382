#include "solver/segment/SegmentPlateReader.h"

#include <istream>
#include <utility>

#include "solver/QuorError.h"
#include "solver/TextNumbers.h"

namespace quor::solver {

namespace {

// Conductor indices run from 0 to 20.
constexpr std::int32_t kMaxConductors = 21;
// An outer outline and its holes.
constexpr std::int32_t kMaxPlatePolygons = 40;
constexpr std::int32_t kMinVertices = 3;

void Require(bool condition, ComputeError error) {
  if (!condition) throw error;
}

void RequireRead(bool read) {
  Require(read, ComputeError::ProjectFileNotOpened);
}

Plate ReadPlate(std::istream& in, std::int32_t conductorCount) {
  std::int32_t polygonCount = 0;
  RequireRead(ReadInteger(in, polygonCount) && polygonCount >= 1 && polygonCount <= kMaxPlatePolygons);
  Plate plate;
  plate.outline.resize(static_cast<std::size_t>(polygonCount));
  for (Polygon& polygon : plate.outline) {
    polygon.Read(in);
    RequireRead(!in.fail() && polygon.Count() >= kMinVertices);
  }
  RequireRead(ReadInteger(in, plate.conductorIndex));
  Require(plate.conductorIndex >= 0 && plate.conductorIndex <= conductorCount,
          ComputeError::ConductorIndexOutOfRange);
  RequireRead(ReadReal(in, plate.epsA) && ReadReal(in, plate.epsB));
  return plate;
}

}  // namespace

SegmentPlateFile ReadPlateFile(std::istream& in) {
  SegmentPlateFile file;
  RequireRead(ReadInteger(in, file.conductorCount));
  Require(file.conductorCount >= 1 && file.conductorCount <= kMaxConductors,
          ComputeError::ConductorIndexOutOfRange);
  std::int32_t plateCount = 0;
  RequireRead(ReadInteger(in, plateCount) && plateCount >= 0);
  for (std::int32_t i = 0; i < plateCount; ++i) file.plates.push_back(ReadPlate(in, file.conductorCount));
  return file;
}

}  // namespace quor::solver
