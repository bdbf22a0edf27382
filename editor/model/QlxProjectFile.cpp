#include "editor/model/QlxProjectFile.h"

#include <vector>

#include "editor/model/CStructure.h"
#include "editor/model/DocumentSettings.h"
#include "editor/model/QlxFileHeader.h"
#include "platform/archive/Archive.h"
#include "platform/archive/ArchiveFile.h"

namespace quor {

void SerializeQlxProject(Archive& ar, DocumentSettings& settings, CStructure& structure) {
  if (ar.IsStoring()) {
    WriteQlxFileHeader(ar, settings);
  } else {
    ReadQlxFileHeader(ar, settings);
  }
  structure.Serialize(ar);
}

std::vector<std::uint8_t> StoreQlxProject(const DocumentSettings& settings, CStructure& structure) {
  std::vector<std::uint8_t> bytes;
  Archive ar(bytes, Archive::Mode::Store);
  DocumentSettings stored = settings;
  SerializeQlxProject(ar, stored, structure);
  return bytes;
}

void SaveQlxProjectFile(const std::filesystem::path& path, const DocumentSettings& settings,
                        CStructure& structure) {
  WriteArchiveFile(path, StoreQlxProject(settings, structure));
}

void LoadQlxProjectFile(const std::filesystem::path& path, DocumentSettings& settings,
                        CStructure& structure) {
  LoadQlxProject(ReadArchiveFile(path), settings, structure);
}

void LoadQlxProject(std::vector<std::uint8_t> bytes, DocumentSettings& settings, CStructure& structure) {
  Archive ar(bytes, Archive::Mode::Load);
  DocumentSettings loaded = settings;
  try {
    SerializeQlxProject(ar, loaded, structure);
  } catch (...) {
    structure.Clear();
    throw;
  }
  settings = loaded;
}

}  // namespace quor
