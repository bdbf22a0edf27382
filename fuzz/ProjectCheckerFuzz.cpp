// A project file as the library's Checker reads it, writing the plate file.
#include <cstddef>
#include <cstdint>

#include "fuzz/FuzzSupport.h"
#include "fuzz/StageRun.h"
#include "solver/CheckerStage.h"

using quor::solver::CheckerStage;
using quor::solver::StageKind;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quor::fuzz::WriteScratchFile("stage.qlx", data, size);
  quor::fuzz::StageJob stage;
  quor::fuzz::RunStageChecked(stage, StageKind::Checker, CheckerStage);
  return 0;
}
