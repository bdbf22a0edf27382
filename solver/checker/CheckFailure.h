// Ends a failed check: the detail fields that the failure names go into the
// job (the others keep their values, as callers expect), then the code is
// thrown for the stage frame to store.
#pragma once

#include <cstdint>
#include <optional>

#include "tessmor/ComputeError.h"

struct ComputeJob;

namespace quor::solver {

struct CheckDetails {
  std::optional<std::int32_t> polygonId;
  std::optional<std::int32_t> polygonId2;
  std::optional<std::int32_t> viaId;
  std::optional<std::int32_t> viaId2;
  std::optional<std::int32_t> layerIndex;
  std::optional<std::int32_t> layerIndex2;
};

[[noreturn]] void FailCheck(ComputeJob& job, ComputeError code, const CheckDetails& details = {});

}  // namespace quor::solver
