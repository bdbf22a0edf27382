#include "dxfconv/DxfEntityWriter.h"

#include <algorithm>
#include <cmath>
#include <istream>
#include <ostream>

#include "dxfconv/ConverterRecord.h"
#include "dxfconv/DxfLayerNames.h"
#include "dxfconv/DxfNumbers.h"

namespace quor::dxfconv {

namespace {

constexpr std::size_t kLinePairs = 12;
constexpr std::size_t kCirclePairs = 10;
// Positions (0-based) of the values an entity gets.
constexpr std::size_t kEntityHandle = 1;
constexpr std::size_t kEntityLayer = 4;
constexpr std::size_t kEntityNumbers = 6;
// Extents start empty, as single-precision values.
constexpr double kNoExtent = 1e20f;

}  // namespace

DxfEntityWriter::DxfEntityWriter(ConverterRecord& record, const DxfFiles& files)
    : m_record(record), m_files(files) {}

bool DxfEntityWriter::write_entities_section() {
  m_record.xmin = m_record.ymin = kNoExtent;
  m_record.xmax = m_record.ymax = -kNoExtent;
  DxfPairReader drawing(m_files.drawingTemplate, kDrawingValueLength);
  bool inSection = false;
  bool entitiesSeen = false;
  DxfPair pair;
  while (drawing.Read(pair) == DxfPairReader::Result::kPair) {
    if (pair.Is(0, "SECTION")) {
      inSection = true;
    } else if (pair.Is(0, "ENDSEC") && entitiesSeen) {
      const bool ok = write_model_entities();
      WriteDxfPair(m_files.scratch, pair);
      return ok;
    } else if (pair.code == 2 && inSection && !entitiesSeen && pair.value == "ENTITIES") {
      entitiesSeen = true;
    }
    WriteDxfPair(m_files.scratch, pair);
  }
  return false;
}

bool DxfEntityWriter::write_model_entities() {
  if (!ReadDxfTemplate(m_files.lineTemplate, kLinePairs, m_template)) return false;
  WritePolygonEdges();
  WriteFootprintBox();
  WriteViaWalls();
  if (!ReadDxfTemplate(m_files.circleTemplate, kCirclePairs, m_template)) return false;
  WriteViaCircles();
  return true;
}

void DxfEntityWriter::WritePolygonEdges() {
  for (const auto& polygon : m_record.model.polygons) {
    const std::string& layer = m_record.layerNames.at(static_cast<std::size_t>(polygon.layer - 1));
    const auto& nodes = polygon.nodes;
    for (std::size_t k = 0; k < nodes.size(); ++k) {
      const bool last = k + 1 == nodes.size();
      if (last && !polygon.closed) break;
      const auto& a = nodes[k];
      const auto& b = nodes[last ? 0 : k + 1];
      write_line_entity(a.x, a.y, a.z, b.x, b.y, b.z, layer);
    }
  }
}

// The box spans the layers' heights; without layers it lies flat at z = 0.
void DxfEntityWriter::WriteFootprintBox() {
  const auto& model = m_record.model;
  float zmin = 0;
  float zmax = 0;
  if (!model.layers.empty()) {
    const auto [low, high] =
        std::minmax_element(model.layers.begin(), model.layers.end(),
                            [](const auto& a, const auto& b) { return a.height < b.height; });
    zmin = low->height;
    zmax = high->height;
  }
  const float x = model.frameX;
  const float y = model.frameY;
  for (const float z : {zmin, zmax}) {
    write_line_entity(0, 0, z, x, 0, z, kFrameLayerName);
    write_line_entity(0, y, z, x, y, z, kFrameLayerName);
  }
  for (const float z : {zmin, zmax}) {
    write_line_entity(0, 0, z, 0, y, z, kFrameLayerName);
    write_line_entity(x, 0, z, x, y, z, kFrameLayerName);
  }
  write_line_entity(0, 0, zmin, 0, 0, zmax, kFrameLayerName);
  write_line_entity(x, 0, zmin, x, 0, zmax, kFrameLayerName);
  write_line_entity(0, y, zmin, 0, y, zmax, kFrameLayerName);
  write_line_entity(x, y, zmin, x, y, zmax, kFrameLayerName);
}

// The walls stand at the odd multiples of pi/n around each via's centre.
void DxfEntityWriter::WriteViaWalls() {
  const int n = m_record.model.viaSegments;
  const float pi = 4 * std::atan(1.0f);
  const float step = pi / static_cast<float>(n);
  std::vector<float> cosTable;
  std::vector<float> sinTable;
  for (int k = 1; k <= n; ++k) {
    const float angle = static_cast<float>(2 * k - 1) * step;
    cosTable.push_back(std::cos(angle));
    sinTable.push_back(std::sin(angle));
  }
  for (const auto& via : m_record.model.vias) {
    for (std::size_t k = 0; k < cosTable.size(); ++k) {
      const float x = via.x + via.radius * cosTable[k];
      const float y = via.y + via.radius * sinTable[k];
      write_line_entity(x, y, via.zBottom, x, y, via.zTop, kViaLayerName);
    }
  }
}

void DxfEntityWriter::WriteViaCircles() {
  for (const auto& via : m_record.model.vias) {
    write_circle_entity(via.x, via.y, via.zBottom, via.radius, kViaLayerName);
    write_circle_entity(via.x, via.y, via.zTop, via.radius, kViaLayerName);
  }
}

void DxfEntityWriter::write_line_entity(float x1, float y1, float z1, float x2, float y2, float z2,
                                        std::string_view layer) {
  WriteEntity(layer, {x1, y1, z1, x2, y2, z2});
  Widen(x1, y1);
  Widen(x2, y2);
}

void DxfEntityWriter::write_circle_entity(float x, float y, float z, float radius, std::string_view layer) {
  WriteEntity(layer, {x, y, z, radius});
  Widen(x, y);
}

void DxfEntityWriter::WriteEntity(std::string_view layer, std::initializer_list<float> numbers) {
  m_template[kEntityHandle].value = m_record.TakeHandle();
  m_template[kEntityLayer].value = layer;
  std::size_t position = kEntityNumbers;
  for (const float number : numbers) m_template[position++].value = FormatReal(number);
  for (const DxfPair& pair : m_template) WriteDxfPair(m_files.scratch, pair);
}

void DxfEntityWriter::Widen(float x, float y) {
  m_record.xmin = std::min<double>(m_record.xmin, x);
  m_record.xmax = std::max<double>(m_record.xmax, x);
  m_record.ymin = std::min<double>(m_record.ymin, y);
  m_record.ymax = std::max<double>(m_record.ymax, y);
}

}  // namespace quor::dxfconv
