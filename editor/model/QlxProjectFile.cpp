#include "editor/model/QlxProjectFile.h"

#include <string>
#include <vector>

#include "editor/model/CStructure.h"
#include "editor/model/DocumentSettings.h"
#include "editor/model/LengthUnits.h"
#include "editor/model/QlxFileHeader.h"
#include "editor/model/StorableValues.h"
#include "platform/archive/Archive.h"
#include "platform/archive/ArchiveFile.h"
#include "platform/error/TextError.h"

namespace quor {

namespace {

[[noreturn]] void RefuseToStore(const std::string& what) {
  throw TextError("Project not saved: invalid value in " + what);
}

// A via is stored with the heights of its layers, 0 for one it lacks.
bool JoinsStoredLayers(const CStructure& structure, const CVia& via) {
  const auto height = [](const CLayer* layer) { return layer != nullptr ? layer->GetZ() : 0.0; };
  return structure.HasLayerAtZ(height(via.GetTopLayer())) &&
         structure.HasLayerAtZ(height(via.GetBottomLayer()));
}

// The reader's own tests, value by value, so that no file is written that would not open.
void CheckStorable(const DocumentSettings& settings, const CStructure& structure) {
  if (!IsValidLengthUnit(settings.Units)) RefuseToStore("the length unit");
  if (!IsStorableSize(settings.GridSpacing)) RefuseToStore("the grid spacing");
  double length = 0.0;
  double width = 0.0;
  structure.GetFootprint(length, width);
  if (!IsStorableSize(length) || !IsStorableSize(width)) RefuseToStore("the footprint");
  const CLayer* below = nullptr;
  for (const auto& layer : structure.GetLayers()) {
    const bool ordered = below == nullptr || IsStorableLayerOrder(below->GetZ(), layer->GetZ());
    if (!ordered || !IsStorableNumber(layer->GetEr()) || !IsStorableNumber(layer->GetZ())) {
      RefuseToStore("layer \"" + layer->GetName() + "\"");
    }
    for (const auto& polygon : layer->GetShapes()) {
      for (const Point3& node : polygon->GetNodes()) {
        if (!IsStorablePoint(node)) RefuseToStore("polygon " + std::to_string(polygon->id));
      }
    }
    below = layer.get();
  }
  for (const auto& via : structure.GetVias()) {
    const bool placed =
        IsStorableNumber(via->GetRadius()) && IsStorableNumber(via->GetX()) && IsStorableNumber(via->GetY());
    if (!placed || !JoinsStoredLayers(structure, *via)) RefuseToStore("via " + std::to_string(via->id));
  }
}

}  // namespace

void SerializeQlxProject(Archive& ar, DocumentSettings& settings, CStructure& structure) {
  if (ar.IsStoring()) {
    WriteQlxFileHeader(ar, settings);
  } else {
    ReadQlxFileHeader(ar, settings);
  }
  structure.Serialize(ar);
}

std::vector<std::uint8_t> StoreQlxProject(const DocumentSettings& settings, CStructure& structure) {
  CheckStorable(settings, structure);
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
