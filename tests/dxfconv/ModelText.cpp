#include "dxfconv/ModelText.h"

#include <cstdio>

namespace quor::dxfconv::test {

namespace {

// Numbers as the editor writes them.
std::string G(float value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6g", static_cast<double>(value));
  return text;
}

}  // namespace

ModelText& ModelText::Layer(std::string name, float height, std::array<int, 3> rgb,
                            std::optional<int> polygonCount) {
  m_layers.push_back({std::move(name), height, rgb, polygonCount, {}});
  return *this;
}

ModelText& ModelText::Polygon(bool closed, std::vector<Node> nodes) {
  m_layers.back().polygons.emplace_back(closed, std::move(nodes));
  return *this;
}

ModelText& ModelText::Via(float radius, float x, float y, float zBottom, float zTop) {
  m_vias.push_back({radius, x, y, zBottom, zTop});
  return *this;
}

ModelText& ModelText::ViaSegments(int segments) {
  m_viaSegments = segments;
  return *this;
}

ModelText& ModelText::LayerCount(int count) {
  m_layerCount = count;
  return *this;
}

ModelText& ModelText::ViaCount(int count) {
  m_viaCount = count;
  return *this;
}

std::string ModelText::Text(std::string_view lineEnd) const {
  std::string text;
  const auto line = [&](const std::string& s) { text.append(s).append(lineEnd); };
  line(G(m_frameX));
  line(G(m_frameY));
  line("");
  line(std::to_string(m_layerCount.value_or(static_cast<int>(m_layers.size()))));
  for (const LayerRecord& layer : m_layers) {
    line("");
    line(layer.name);
    line(std::to_string(layer.rgb[0]) + " " + std::to_string(layer.rgb[1]) + " " +
         std::to_string(layer.rgb[2]));
    line("0");
    line("1");
    line(G(layer.height));
    line(std::to_string(layer.polygonCount.value_or(static_cast<int>(layer.polygons.size()))));
  }
  for (const LayerRecord& layer : m_layers) {
    for (const auto& [closed, nodes] : layer.polygons) {
      line("");
      line(std::to_string(nodes.size()));
      line(closed ? "1" : "0");
      for (const Node& n : nodes) line(G(n[0]) + " " + G(n[1]) + " " + G(n[2]));
    }
  }
  line("");
  line(std::to_string(m_viaCount.value_or(static_cast<int>(m_vias.size()))));
  line(std::to_string(m_viaSegments));
  for (const auto& v : m_vias) {
    line("");
    line(G(v[0]));
    line(G(v[1]) + " " + G(v[2]) + " " + G(v[3]) + " " + G(v[4]));
  }
  return text;
}

ModelText SampleModel() {
  ModelText model(100, 50);
  model.Layer("gnd", 0, {0, 0, 255}).Polygon(true, {{10, 10, 0}, {20, 10, 0}, {20, 20, 0}, {10, 20, 0}});
  model.Layer("top layer", 1.5f, {255, 0, 0})
      .Polygon(false, {{30, 10, 1.5f}, {40, 10, 1.5f}, {40, 20, 1.5f}});
  model.ViaSegments(4).Via(2, 60, 25, 0, 1.5f).Via(1, 80, 40, 0, 1.5f);
  return model;
}

}  // namespace quor::dxfconv::test
