// A plate file as Segment reads and meshes it, writing the listing.
#include <cstddef>
#include <cstdint>

#include "fuzz/FuzzSupport.h"
#include "fuzz/StageRun.h"
#include "solver/SegmentStage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quor::fuzz::WriteScratchFile("stage.sg1", data, size);
  quor::fuzz::StageJob stage;
  quor::fuzz::RunStageChecked(stage, StageKind::Segment, SegmentStage);
  return 0;
}
