// Builds model text files in the editor's layout for the converter tests.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quor::dxfconv::test {

class ModelText {
 public:
  using Node = std::array<float, 3>;

  ModelText(float frameX, float frameY) : m_frameX(frameX), m_frameY(frameY) {}

  // The layer's polygon count is the number of Polygon calls made after it,
  // unless polygonCount says otherwise.
  ModelText& Layer(std::string name, float height, std::array<int, 3> rgb = {0, 0, 255},
                   std::optional<int> polygonCount = std::nullopt);
  ModelText& Polygon(bool closed, std::vector<Node> nodes);
  ModelText& Via(float radius, float x, float y, float zBottom, float zTop);
  ModelText& ViaSegments(int segments);
  ModelText& LayerCount(int count);
  ModelText& ViaCount(int count);

  // The file's text with the given line end.
  std::string Text(std::string_view lineEnd = "\r\n") const;

 private:
  struct LayerRecord {
    std::string name;
    float height;
    std::array<int, 3> rgb;
    std::optional<int> polygonCount;
    std::vector<std::pair<bool, std::vector<Node>>> polygons;
  };

  float m_frameX;
  float m_frameY;
  std::vector<LayerRecord> m_layers;
  std::vector<std::array<float, 5>> m_vias;
  int m_viaSegments = 8;
  std::optional<int> m_layerCount;
  std::optional<int> m_viaCount;
};

// A small valid model: two layers with an open and a closed polygon, two vias.
ModelText SampleModel();

}  // namespace quor::dxfconv::test
