#include "solver/checker/QlxTestProject.h"

#include <bit>
#include <cmath>
#include <fstream>
#include <stdexcept>

namespace {

constexpr std::size_t kLayerNameBytes = 51;

class Bytes {
 public:
  void U8(std::uint8_t value) { m_text.push_back(static_cast<char>(value)); }
  void U16(std::uint16_t value) { LittleEndian(value, 2); }
  void U32(std::uint32_t value) { LittleEndian(value, 4); }
  void I32(std::int32_t value) { LittleEndian(static_cast<std::uint32_t>(value), 4); }
  void F64(double value) { LittleEndian(std::bit_cast<std::uint64_t>(value), 8); }
  void Text(const std::string& text, std::size_t width) {
    std::string field = text.substr(0, width - 1);
    field.resize(width, '\0');
    m_text += field;
  }
  std::string Take() { return std::move(m_text); }

 private:
  void LittleEndian(std::uint64_t value, int width) {
    for (int i = 0; i < width; ++i) U8(static_cast<std::uint8_t>(value >> (8 * i)));
  }

  std::string m_text;
};

template <class Items>
std::int32_t CountOf(const std::optional<std::int32_t>& count, const Items& items) {
  return count.value_or(static_cast<std::int32_t>(items.size()));
}

}  // namespace

double Tolerance(const TestProject& project) {
  return 1e-6 * std::hypot(project.length, project.width);
}

TestPolygon Rectangle(std::uint32_t id, std::uint32_t conductorIndex, double left, double bottom,
                      double right, double top, double z) {
  return {
      conductorIndex, id, 1, {{left, bottom, z}, {right, bottom, z}, {right, top, z}, {left, top, z}}, {}};
}

TestProject TwoLayerProject() {
  TestProject project;
  project.layers = {{1.0, 0.0, "Bottom", {}, {}}, {1.0, 100.0, "Top", {}, {}}};
  project.layers[1].polygons.push_back(Rectangle(1, 0, 200.0, 200.0, 600.0, 500.0, 100.0));
  return project;
}

TestProject SquarePlateProject(double side, double refine) {
  TestProject project = TwoLayerProject();
  project.length = side;
  project.width = side;
  project.refine = refine;
  project.layers[1].polygons.clear();
  project.layers[0].polygons.push_back(Rectangle(1, 0, 0.0, 0.0, side, side, 0.0));
  return project;
}

// 20 x 16 mm: a ground plane, three lines on FR-4, two pads above them, each
// joined to its line by a via.
TestProject BoardProject() {
  TestProject board;
  board.length = 2000.0;
  board.width = 1600.0;
  board.viaSegments = 8;
  board.refine = 1.0;
  board.layers.push_back({1.0, 0.0, "Ground", {Rectangle(1, 0, 0, 0, 2000, 1600, 0)}});
  board.layers.push_back(
      {4.4,
       160.0,
       "Lines",
       {Rectangle(2, 1, 200, 300, 1800, 400, 160), Rectangle(3, 2, 200, 600, 1800, 700, 160),
        Rectangle(4, 3, 200, 900, 1800, 1000, 160)}});
  board.layers.push_back(
      {4.4,
       320.0,
       "Pads",
       {Rectangle(5, 1, 900, 250, 1100, 450, 320), Rectangle(6, 3, 900, 850, 1100, 1050, 320)}});
  board.vias.push_back({1, 20.0, 1000.0, 350.0, 320.0, 160.0, 1});
  board.vias.push_back({2, 20.0, 1000.0, 950.0, 320.0, 160.0, 1});
  return board;
}

TestProject FullTablesProject() {
  TestProject project;
  project.viaSegments = 16;
  for (int j = 0; j < 10; ++j) project.layers.push_back({1.0 + j, 100.0 * j, "Layer", {}, {}});
  project.layers[0].polygons.push_back(Rectangle(1, 0, 50.0, 50.0, 950.0, 750.0, 0.0));
  for (std::uint32_t i = 0; i < 10; ++i) {
    project.vias.push_back({i + 1, 10.0, 100.0 + 80.0 * i, 400.0, 900.0, 0.0, 1});
    project.layers[5].polygons.push_back(
        Rectangle(10 + i, 1, 70.0 + 80.0 * i, 600.0, 130.0 + 80.0 * i, 700.0, 500.0));
  }
  return project;
}

std::string QlxBytes(const TestProject& project) {
  Bytes out;
  for (const char c : project.magic) out.U8(static_cast<std::uint8_t>(c));
  out.U8(project.major);
  out.U8(project.minor);
  out.U16(project.version);
  out.F64(project.unitLength);
  out.F64(project.frequencyStart);
  out.F64(project.frequencyStop);
  out.I32(project.frequencySteps);
  out.I32(project.frequencyUnit);
  out.F64(project.resolution);
  out.F64(project.refine);
  out.I32(project.units);
  out.F64(project.gridSpacing);
  out.I32(project.viaSegments);
  out.F64(project.length);
  out.F64(project.width);
  for (const std::uint8_t side : project.metallization) out.U8(side);
  out.I32(CountOf(project.layerCount, project.layers));
  for (const TestLayer& layer : project.layers) {
    out.F64(layer.er);
    out.F64(layer.z);
    out.U32(0x00808080);
    out.U8(0);
    out.U8(1);
    out.Text(layer.name, kLayerNameBytes);
    out.I32(CountOf(layer.polygonCount, layer.polygons));
    for (const TestPolygon& polygon : layer.polygons) {
      out.U32(polygon.conductorIndex);
      out.U32(polygon.id);
      out.U8(polygon.closed);
      out.I32(CountOf(polygon.nodeCount, polygon.nodes));
      for (const Point3& node : polygon.nodes) {
        out.F64(node.x);
        out.F64(node.y);
        out.F64(node.z);
      }
    }
  }
  out.I32(CountOf(project.viaCount, project.vias));
  for (const TestVia& via : project.vias) {
    out.U32(via.id);
    out.F64(via.radius);
    out.F64(via.x);
    out.F64(via.y);
    out.F64(via.top);
    out.F64(via.bottom);
    out.U8(via.solid);
  }
  // The three id counters that end the structure record.
  out.I32(static_cast<std::int32_t>(project.layers.size()));
  out.I32(100);
  out.I32(100);
  return out.Take();
}

void WriteQlx(const std::filesystem::path& path, const TestProject& project) {
  const std::string bytes = QlxBytes(project);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}
