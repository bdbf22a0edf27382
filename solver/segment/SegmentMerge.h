// Joins the full cells of a plate into rectangular patches of power-of-two
// sides, as large as the cells' subdivision limits allow.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>

#include "tessmor/Polygon.h"

namespace quor::solver {

class SegmentGrid;
struct SegmentCellGrids;

// Blocks of 2^t rows by 2^s columns, aligned on multiples of their size, for
// t and s from the largest useful power down to 0; a block whose cells are
// all full cells of one index, not yet taken, and within their limits becomes
// one patch (emit), and its cells are taken. Since single cells always
// qualify, every full cell ends in a patch. roundDone(done, total) reports
// each finished round of t. Returns false when runFlag stopped it.
bool MergeFullCells(const SegmentGrid& grid, SegmentCellGrids& cells,
                    const std::function<void(Polygon)>& emit,
                    const std::function<void(std::int32_t, std::int32_t)>& roundDone,
                    const std::atomic<std::int32_t>& runFlag);

}  // namespace quor::solver
