#include "viewer/ListingReader.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <limits>

#include "viewer/FreeFormReader.h"

namespace quor::viewer {

namespace {

bool ReadCount(FreeFormReader& reader, std::int64_t low, std::int64_t high, int& count) {
  std::int64_t value = 0;
  if (!reader.ReadIntegers({&value, 1}) || value < low || value > high) return false;
  count = static_cast<int>(value);
  return true;
}

// A coordinate that is not finite in single precision would poison the
// scaling of the whole scene.
bool ToFiniteFloat(double value, float& out) {
  if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max()) return false;
  out = static_cast<float>(value);
  return true;
}

bool ReadPlate(FreeFormReader& reader, ListingPlate& plate) {
  int nodeCount = 0;
  if (!ReadCount(reader, 0, kMaxNodesPerPlate, nodeCount)) return false;
  plate.resize(static_cast<std::size_t>(nodeCount));
  for (ListingNode& node : plate) {
    std::array<double, 3> xyz{};
    if (!reader.ReadReals(xyz)) return false;
    if (!ToFiniteFloat(xyz[0], node.x) || !ToFiniteFloat(xyz[1], node.y) || !ToFiniteFloat(xyz[2], node.z)) {
      return false;
    }
  }
  std::array<double, 2> permittivities{};  // the viewer has no use for them
  return reader.ReadReals(permittivities);
}

bool ReadGroups(FreeFormReader& reader, PlateStore& store) {
  int conductorCount = 0;
  if (!ReadCount(reader, 1, kMaxConductors, conductorCount)) return false;
  std::vector<std::int64_t> plateCounts(static_cast<std::size_t>(conductorCount) + 1);
  if (!reader.ReadIntegers(plateCounts)) return false;
  store.groups.resize(plateCounts.size());
  for (std::size_t g = 0; g < plateCounts.size(); ++g) {
    if (plateCounts[g] < 0 || plateCounts[g] > kMaxPlatesPerGroup) return false;
    store.groups[g].resize(static_cast<std::size_t>(plateCounts[g]));
  }
  for (auto& group : store.groups) {
    for (ListingPlate& plate : group) {
      if (!ReadPlate(reader, plate)) return false;
    }
  }
  return true;
}

}  // namespace

ListingStatus read_plate_list(const std::string& path, PlateStore& store) {
  store.groups.clear();
  std::ifstream in(path);
  if (!in) return ListingStatus::CannotOpen;
  FreeFormReader reader(in);
  if (!ReadGroups(reader, store)) {
    store.groups.clear();
    return ListingStatus::BadData;
  }
  return ListingStatus::Read;
}

}  // namespace quor::viewer
