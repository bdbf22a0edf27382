#include "dxfconv/ModelInput.h"

#include <array>
#include <string>

#include "dxfconv/ConverterRecord.h"
#include "dxfconv/DrawingText.h"
#include "dxfconv/FreeFormatReader.h"

namespace quor::dxfconv {

namespace {

using Model = ConverterModel;

// The first fault found ends the reading; carried out of the nested reads by
// this exception, which never leaves this file.
struct InputFault {
  const char* message;
};

constexpr const char* kDataError = "Data error or end of file";

void Require(bool ok, const char* message) {
  if (!ok) throw InputFault{message};
}

int ReadInteger(FreeFormatReader& reader) {
  const std::optional<int> value = reader.ReadInteger();
  Require(value.has_value(), kDataError);
  return *value;
}

float ReadReal(FreeFormatReader& reader) {
  const std::optional<float> value = reader.ReadReal();
  Require(value.has_value(), kDataError);
  return *value;
}

template <std::size_t N>
std::array<float, N> ReadReals(FreeFormatReader& reader) {
  std::array<float, N> values{};
  Require(reader.ReadReals(values), kDataError);
  return values;
}

bool IsBlank(const std::string& line) {
  return line.find_first_not_of(" \t") == std::string::npos;
}

// Each layer header starts with an empty separator line; the line after it is
// the name as the editor wrote it, even when that is empty, so an empty name
// cannot shift the following values. A file without the separator has the
// name straight away.
std::string ReadLayerName(FreeFormatReader& reader) {
  std::optional<std::string> line = reader.ReadLine();
  Require(line.has_value(), kDataError);
  if (IsBlank(*line)) {
    line = reader.ReadLine();
    Require(line.has_value(), kDataError);
  }
  return std::string(FirstCharacters(*line, Model::kNameLength));
}

Model::Layer ReadLayer(FreeFormatReader& reader, const ColourTable& colours, int ordinal) {
  Model::Layer layer;
  layer.name = ReadLayerName(reader);
  std::array<int, 3> rgb{};
  Require(reader.ReadIntegers(rgb), kDataError);
  layer.colourCode = colours.ColourCode(rgb[0], rgb[1], rgb[2], ordinal);
  layer.locked = ReadInteger(reader);
  layer.visible = ReadInteger(reader);
  layer.height = ReadReal(reader);
  Require(layer.height >= 0, "Invalid layer height");
  layer.polygonCount = ReadInteger(reader);
  Require(layer.polygonCount >= 0 && layer.polygonCount <= Model::kMaxPolygons, "Invalid number of polygons");
  return layer;
}

void ReadLayers(FreeFormatReader& reader, const ColourTable& colours, Model& model) {
  const int layerCount = ReadInteger(reader);
  Require(layerCount >= 0 && layerCount <= Model::kMaxLayers, "Invalid number of layers");
  int polygonTotal = 0;
  for (int ordinal = 1; ordinal <= layerCount; ++ordinal) {
    model.layers.push_back(ReadLayer(reader, colours, ordinal));
    polygonTotal += model.layers.back().polygonCount;
  }
  Require(polygonTotal <= Model::kMaxPolygons, "Invalid number of polygons");
}

Model::Polygon ReadPolygon(FreeFormatReader& reader, const Model& model, int layer) {
  Model::Polygon polygon;
  polygon.layer = layer;
  const int nodeCount = ReadInteger(reader);
  Require(nodeCount >= Model::kMinNodes && nodeCount <= Model::kMaxNodes, "Invalid number of nodes");
  polygon.closed = ReadInteger(reader) == 1;
  for (int k = 0; k < nodeCount; ++k) {
    const auto [x, y, z] = ReadReals<3>(reader);
    Require(x >= 0 && x <= model.frameX, "Invalid node x-coordinate");
    Require(y >= 0 && y <= model.frameY, "Invalid node y-coordinate");
    Require(z >= 0, "Invalid node z-coordinate");
    polygon.nodes.push_back({x, y, z});
  }
  return polygon;
}

// Polygons come layer by layer: the first polygonCount of layer 1, then those of layer 2, ...
void ReadPolygons(FreeFormatReader& reader, Model& model) {
  for (std::size_t i = 0; i < model.layers.size(); ++i) {
    for (int p = 0; p < model.layers[i].polygonCount; ++p) {
      model.polygons.push_back(ReadPolygon(reader, model, static_cast<int>(i) + 1));
    }
  }
}

Model::Via ReadVia(FreeFormatReader& reader, const Model& model) {
  Model::Via via;
  via.radius = ReadReal(reader);
  Require(via.radius > 0, "Invalid via radius");
  const auto [x, y, zBottom, zTop] = ReadReals<4>(reader);
  Require(x - via.radius >= 0 && x + via.radius <= model.frameX, "Invalid via x-coordinate");
  Require(y - via.radius >= 0 && y + via.radius <= model.frameY, "Invalid via y-coordinate");
  Require(zBottom >= 0 && zTop >= 0, "Invalid via z-coordinate");
  via.x = x;
  via.y = y;
  via.zBottom = zBottom;
  via.zTop = zTop;
  return via;
}

void ReadVias(FreeFormatReader& reader, Model& model) {
  const int viaCount = ReadInteger(reader);
  Require(viaCount >= 0 && viaCount <= Model::kMaxVias, "Invalid number of vias");
  const int segments = ReadInteger(reader);
  const bool fits = segments >= Model::kMinViaSegments && segments <= Model::kMaxViaSegments;
  model.viaSegments = fits ? segments : Model::kDefaultViaSegments;
  for (int v = 0; v < viaCount; ++v) model.vias.push_back(ReadVia(reader, model));
}

void ReadModel(FreeFormatReader& reader, const ColourTable& colours, Model& model) {
  const auto [frameX, frameY] = ReadReals<2>(reader);
  Require(frameX >= 0, "Invalid frame x-coordinate");
  Require(frameY >= 0, "Invalid frame y-coordinate");
  model.frameX = frameX;
  model.frameY = frameY;
  ReadLayers(reader, colours, model);
  ReadPolygons(reader, model);
  ReadVias(reader, model);
}

}  // namespace

StepResult read_model_input(std::istream& modelText, const std::filesystem::path& colourFile,
                            ConverterRecord& record) {
  record.colours.Load(colourFile);
  record.model = ConverterModel{};
  FreeFormatReader reader(modelText);
  try {
    ReadModel(reader, record.colours, record.model);
  } catch (const InputFault& fault) {
    return StepResult::Failure(fault.message);
  }
  return StepResult::Success();
}

}  // namespace quor::dxfconv
