// A segmentation listing as Tessmor reads it, fills and solves it and writes
// the result files. The solver's diagnostics go to the current folder, so the
// harness works in its scratch folder.
#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "fuzz/FuzzSupport.h"
#include "fuzz/StageRun.h"
#include "solver/TessmorStage.h"

using quor::solver::StageKind;
using quor::solver::TessmorStage;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::filesystem::current_path(quor::fuzz::ScratchDirectory());
  quor::fuzz::WriteScratchFile("stage.lst", data, size);
  quor::fuzz::StageJob stage;
  quor::fuzz::RunStageChecked(stage, StageKind::Tessmor, TessmorStage);
  return 0;
}
