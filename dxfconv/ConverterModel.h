// The structure as the converter reads it from the model text file. Lengths
// stay in the display unit the editor wrote them in; nothing is converted.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace quor::dxfconv {

struct ConverterModel {
  // The store's capacity; the reader refuses anything beyond it.
  static constexpr int kMaxLayers = 100;
  static constexpr int kMaxPolygons = 1000;
  static constexpr int kMinNodes = 3;
  static constexpr int kMaxNodes = 100;
  static constexpr int kMaxVias = 1000;
  static constexpr int kMinViaSegments = 3;
  // The writer's angle tables hold this many entries.
  static constexpr int kMaxViaSegments = 180;
  static constexpr int kDefaultViaSegments = 12;
  // Layer names are kept to this many characters.
  static constexpr std::size_t kNameLength = 50;

  struct Layer {
    std::string name;
    int colourCode = 0;  // DXF colour number
    int locked = 0;
    int visible = 0;
    float height = 0;  // z of the layer's upper surface
    int polygonCount = 0;
  };

  struct Node {
    float x = 0;
    float y = 0;
    float z = 0;
  };

  struct Polygon {
    int layer = 0;  // 1-based ordinal of the owning layer
    bool closed = false;
    std::vector<Node> nodes;
  };

  struct Via {
    float radius = 0;
    float x = 0;
    float y = 0;
    float zBottom = 0;
    float zTop = 0;
  };

  float frameX = 0;
  float frameY = 0;
  std::vector<Layer> layers;
  std::vector<Polygon> polygons;  // layer by layer, in file order
  int viaSegments = kDefaultViaSegments;
  std::vector<Via> vias;
};

}  // namespace quor::dxfconv
