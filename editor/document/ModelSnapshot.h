// A whole structure model as bytes: the structure record of the project file,
// held in memory for undo and redo.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace quor {

class CStructure;

std::vector<std::uint8_t> StoreModelSnapshot(CStructure& model);

// A new structure read from the bytes. Throws TextError with the reason when
// they cannot be read; nothing else is touched then.
std::unique_ptr<CStructure> LoadModelSnapshot(const std::vector<std::uint8_t>& bytes);

}  // namespace quor
