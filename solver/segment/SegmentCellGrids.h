// The per-cell work grids of one plate, row after row (index b * cellsU + a).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quor::solver {

struct SegmentCellGrids {
  // State of a cell that is not wholly inside the plate.
  static constexpr std::int32_t kPartial = -1000;
  // State of a full cell already given to a patch.
  static constexpr std::int32_t kEmitted = -100;

  SegmentCellGrids(std::int32_t countU, std::int32_t countV)
      : cellsU(countU),
        cellsV(countV),
        state(Size(), kPartial),
        limitU(Size(), 1),
        limitV(Size(), 1),
        limitN(Size(), 1) {}

  std::size_t Index(std::int32_t a, std::int32_t b) const {
    return static_cast<std::size_t>(b) * static_cast<std::size_t>(cellsU) + static_cast<std::size_t>(a);
  }

  std::int32_t cellsU;
  std::int32_t cellsV;
  // The plate's conductor index for a full cell, else kPartial or kEmitted.
  std::vector<std::int32_t> state;
  // How many cells a full cell's patch may span along u, along v, and in
  // either direction by the distance to other conductors; 1 elsewhere.
  std::vector<std::int32_t> limitU;
  std::vector<std::int32_t> limitV;
  std::vector<std::int32_t> limitN;

 private:
  std::size_t Size() const { return static_cast<std::size_t>(cellsU) * static_cast<std::size_t>(cellsV); }
};

}  // namespace quor::solver
