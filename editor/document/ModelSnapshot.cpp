#include "editor/document/ModelSnapshot.h"

#include "editor/model/CStructure.h"
#include "platform/archive/Archive.h"
#include "platform/archive/ArchiveException.h"
#include "platform/error/TextError.h"

namespace quor {

std::vector<std::uint8_t> StoreModelSnapshot(CStructure& model) {
  std::vector<std::uint8_t> bytes;
  Archive ar(bytes, Archive::Mode::Store);
  model.Serialize(ar);
  return bytes;
}

std::unique_ptr<CStructure> LoadModelSnapshot(const std::vector<std::uint8_t>& bytes) {
  // Loading only reads the buffer; the archive takes it mutable for both directions.
  std::vector<std::uint8_t> copy = bytes;
  Archive ar(copy, Archive::Mode::Load);
  auto model = std::make_unique<CStructure>();
  try {
    model->Serialize(ar);
  } catch (const ArchiveException& e) {
    // The document's callers show texts; a broken snapshot is reported as one.
    throw TextError(e.what());
  }
  return model;
}

}  // namespace quor
