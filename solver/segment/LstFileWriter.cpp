#include "solver/segment/LstFileWriter.h"

#include <cassert>
#include <ostream>
#include <string>

#include "solver/TextNumbers.h"
#include "solver/segment/SegmentPatchStore.h"

namespace quor::solver {

namespace {

constexpr int kFieldWidth = 16;

}  // namespace

void WriteLstFile(std::ostream& out, const SegmentPatchStore& patches, std::span<const Plate> plates) {
  const std::int32_t groups = patches.GroupCount();
  out << std::to_string(groups - 1) << '\n';
  for (std::int32_t group = 0; group < groups; ++group) {
    out << std::to_string(patches.Group(group).size()) << '\n';
  }
  for (std::int32_t group = 0; group < groups; ++group) {
    for (const auto& patch : patches.Group(group)) {
      assert(patch.plateIndex >= 0 && static_cast<std::size_t>(patch.plateIndex) < plates.size() &&
             "a patch comes from a plate of the run");
      const Plate& plate = plates[static_cast<std::size_t>(patch.plateIndex)];
      patch.polygon.Write(out);
      out << FormatGeneral(plate.epsA, kFieldWidth) << FormatGeneral(plate.epsB, kFieldWidth) << '\n';
    }
  }
}

}  // namespace quor::solver
