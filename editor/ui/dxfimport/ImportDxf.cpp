#include "editor/ui/dxfimport/ImportDxf.h"

#include <algorithm>
#include <cassert>
#include <fstream>
#include <memory>

#include "editor/model/CConductorPolygon.h"
#include "editor/model/CStructure.h"
#include "editor/model/DocumentSettings.h"
#include "editor/model/LengthUnits.h"
#include "editor/model/QlxProjectFile.h"
#include "editor/ui/dxfimport/DxfColourPalette.h"
#include "editor/ui/dxfimport/DxfDrawingReader.h"
#include "editor/ui/dxfimport/DxfFootprint.h"
#include "platform/archive/ArchiveException.h"
#include "platform/archive/ArchiveFile.h"
#include "platform/error/TextError.h"

namespace quor {

namespace {

constexpr int kMegahertz = 1;
constexpr int kUnitMillimetre = 0;
constexpr double kGridSpacingShare = 0.05;
constexpr int kViaSegments = 4;
constexpr int kLargestColourNumber = 255;
constexpr int kNoColourNumber = 7;

DocumentSettings ImportedSettings(double length, double width) {
  DocumentSettings settings;
  settings.FrequencyStart = 0.0;
  settings.FrequencyStop = 0.0;
  settings.FrequencySteps = 1;
  settings.FrequencyUnits = kMegahertz;
  settings.Resolution = 1.0;
  settings.Refine = 1.0;
  settings.Units = kUnitMillimetre;
  settings.GridSpacing = kGridSpacingShare * std::max(length, width);
  settings.NumberOfViaSegments = kViaSegments;
  return settings;
}

// DXF marks a layer that is switched off by a negative colour number; it
// keeps its colour. Numbers that are no colour at all give the default 7
// (tested before the sign is dropped: the most negative int has no opposite).
int LayerColourNumber(int number) {
  if (number < -kLargestColourNumber || number > kLargestColourNumber) return kNoColourNumber;
  const int colour = number < 0 ? -number : number;
  return colour >= 1 ? colour : kNoColourNumber;
}

void BuildStructure(CStructure& structure, const DxfDrawing& drawing, const DxfFootprint& footprint,
                    const ImportDxfLayerValues& values) {
  const double f = LengthUnitFactor(values.unit);
  structure.SetFootprint(footprint.width * f, footprint.height * f);
  // Layers in the order of the drawing, so that polygon ids follow it too;
  // the structure keeps them sorted by height.
  for (std::size_t i = 0; i < drawing.layers.size(); ++i) {
    const double z = values.heights[i] * f;
    CLayer& layer =
        structure.AddLayer(CDielectric(values.permittivities[i], z), values.names[i], true, false);
    layer.colour = DxfColourPalette(LayerColourNumber(drawing.layers[i].colourNumber));
    for (const DxfPolygon& read : drawing.layers[i].polygons) {
      auto polygon = std::make_unique<CConductorPolygon>();
      for (const DxfPoint& node : read.nodes) polygon->AddNode({node.x * f, node.y * f, z});
      polygon->SetClosed(read.closed);
      polygon->RecalcBounds();
      structure.AddNewShapeAtZ(z, std::move(polygon));
    }
  }
  for (const DxfVia& via : drawing.vias) {
    structure.AddVia(std::make_unique<CVia>(via.radius * f, via.x * f, via.y * f, nullptr, nullptr, true));
  }
}

}  // namespace

std::filesystem::path ImportedProjectPath(const std::filesystem::path& dxfPath) {
  if (!dxfPath.has_extension()) throw TextError("Could not rename DXF file");
  std::filesystem::path project = dxfPath;
  return project.replace_extension("qlx");
}

bool ImportDxf(const std::filesystem::path& dxfPath, const ImportDxfAsker& ask) {
  DxfDrawing drawing;
  {
    std::ifstream in(dxfPath, std::ios::binary);
    if (!in) throw TextError("Invalid DXF file");
    drawing = ReadDxfDrawing(in);
  }
  const DxfFootprint footprint = PlaceInFootprint(drawing);

  ImportDxfLayerValues values;
  for (const DxfDrawingLayer& layer : drawing.layers) values.names.push_back(layer.name);
  values.heights.assign(drawing.layers.size(), 0.0);
  values.permittivities.assign(drawing.layers.size(), 1.0);
  if (!ask(values)) return false;
  assert(values.names.size() == drawing.layers.size() && values.heights.size() == drawing.layers.size() &&
         values.permittivities.size() == drawing.layers.size() && "the dialog answers for every layer");
  if (!IsValidLengthUnit(values.unit)) throw TextError("ComboBox error");

  const std::filesystem::path projectPath = ImportedProjectPath(dxfPath);
  CStructure structure;
  BuildStructure(structure, drawing, footprint, values);
  const double f = LengthUnitFactor(values.unit);
  const DocumentSettings settings = ImportedSettings(footprint.width * f, footprint.height * f);
  std::vector<std::uint8_t> bytes;
  try {
    bytes = StoreQlxProject(settings, structure);
  } catch (const TextError&) {
    // Sizes that overflow in the chosen unit: no project, and a good file of that name stays.
    throw TextError("Invalid DXF file");
  }
  try {
    WriteArchiveFile(projectPath, bytes);
  } catch (const ArchiveException&) {
    throw TextError("Could not create output file");
  }
  return true;
}

}  // namespace quor
