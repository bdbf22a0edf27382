#include "solver/checker/QlxProjectReader.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <new>
#include <numbers>
#include <span>
#include <utility>

#include "solver/PointLocation.h"
#include "solver/checker/CheckFailure.h"
#include "solver/checker/QlxReader.h"
#include "tessmor/ComputeJob.h"

namespace quor::solver {

namespace {

constexpr std::array<std::uint8_t, 4> kMagic{'Q', 'U', 'O', 'R'};
constexpr std::uint8_t kMajor = 1;
constexpr std::uint8_t kMinor = 0;
constexpr std::uint16_t kVersion = 6;
// Footprint distances below this fraction of its diagonal are no distance.
constexpr double kRelativeTolerance = 1e-6;
// The project file gives the unit length in millimetres.
constexpr double kMetresPerMillimetre = 0.001;
constexpr std::int32_t kMinViaSegments = 3;
constexpr std::int32_t kMaxViaSegments = 16;
constexpr std::int32_t kMaxLayers = 10;
constexpr std::int32_t kMinNodes = 3;
constexpr std::int32_t kMaxNodes = 30;
constexpr std::uint32_t kMaxConductorIndex = 20;
constexpr std::int32_t kMaxVias = 10;
// Colour (u32), locked and visible (u8 each), the 51-byte name.
constexpr std::size_t kLayerFieldsNotUsed = 4 + 1 + 1 + 51;
// Display unit index (i32) and grid spacing (f64).
constexpr std::size_t kHeaderFieldsNotUsed = 4 + 8;

bool NonNegative(double value) {
  return std::isfinite(value) && value >= 0.0;
}

bool Positive(double value) {
  return std::isfinite(value) && value > 0.0;
}

class ProjectReader {
 public:
  ProjectReader(std::istream& in, ComputeJob& job) : m_reader(in), m_job(job) {}

  CheckerProject Read() {
    ReadHeader();
    ReadLayers();
    ReadVias();
    return std::move(m_project);
  }

 private:
  void ReadHeader();
  void ReadLayers();
  void ReadPolygon(std::int32_t layerIndex, CheckerProject::Layer& layer);
  void ReadNodes(std::int32_t count, const CheckDetails& where, std::vector<Point3>& nodes);
  void ReadVias();
  void FindViaLayers(CheckerProject::Via& via, double top, double bottom);
  [[noreturn]] void Fail(ComputeError code, const CheckDetails& details = {}) {
    FailCheck(m_job, code, details);
  }

  QlxReader m_reader;
  ComputeJob& m_job;
  CheckerProject m_project;
  std::int32_t m_layerCount = 0;
};

void ProjectReader::ReadHeader() {
  std::array<std::uint8_t, 4> magic{};
  m_reader.ReadBytes(magic);
  if (magic != kMagic) Fail(ComputeError::BadMagic);
  const std::uint8_t major = m_reader.ReadU8();
  const std::uint8_t minor = m_reader.ReadU8();
  const std::uint16_t version = m_reader.ReadU16();
  if (major != kMajor || minor != kMinor || version != kVersion) Fail(ComputeError::BadVersion);

  const double unitLength = m_reader.ReadF64();
  const double frequencyStart = m_reader.ReadF64();
  const double frequencyStop = m_reader.ReadF64();
  const std::int32_t frequencySteps = m_reader.ReadI32();
  const std::int32_t frequencyUnit = m_reader.ReadI32();
  const double resolution = m_reader.ReadF64();
  const double refine = m_reader.ReadF64();
  m_reader.Skip(kHeaderFieldsNotUsed);
  const std::int32_t viaSegments = m_reader.ReadI32();
  const double length = m_reader.ReadF64();
  const double width = m_reader.ReadF64();
  for (std::uint8_t& side : m_project.metallization) side = m_reader.ReadU8();
  const std::int32_t layerCount = m_reader.ReadI32();

  if (!NonNegative(frequencyStart)) Fail(ComputeError::FrequencyStartNegative);
  m_job.FrequencyStart = frequencyStart;
  if (!NonNegative(frequencyStop)) Fail(ComputeError::FrequencyStopNegative);
  m_job.FrequencyStop = frequencyStop;
  if (frequencySteps < 0) Fail(ComputeError::FrequencyStepsNegative);
  m_job.FrequencySteps = frequencySteps;
  if (frequencyUnit < 1) Fail(ComputeError::FrequencyUnitBelowOne);
  m_job.FrequencyUnit = frequencyUnit;
  if (!Positive(resolution)) Fail(ComputeError::ResolutionNotPositive);
  m_job.Resolution = resolution;
  if (!Positive(refine)) Fail(ComputeError::RefineNotPositive);
  m_job.Refine = refine;
  if (viaSegments < kMinViaSegments || viaSegments > kMaxViaSegments) {
    Fail(ComputeError::ViaSegmentsOutOfRange);
  }
  m_project.viaSegments = viaSegments;
  if (!Positive(unitLength)) Fail(ComputeError::UnitLengthNotPositive);
  m_job.LengthUnitMetres = unitLength * kMetresPerMillimetre;
  if (!Positive(length)) Fail(ComputeError::FootprintLengthNotPositive);
  if (!Positive(width)) Fail(ComputeError::FootprintWidthNotPositive);
  // A side within the tolerance is no side: the footprint's outline would
  // have an edge of no length, which no polygon of the file could answer for.
  const double tolerance = kRelativeTolerance * std::hypot(length, width);
  if (!(length > tolerance)) Fail(ComputeError::FootprintLengthNotPositive);
  if (!(width > tolerance)) Fail(ComputeError::FootprintWidthNotPositive);
  // A negative count is as far out of range as one above the limit.
  if (layerCount < 0 || layerCount > kMaxLayers) Fail(ComputeError::TooManyLayers);

  m_project.length = length;
  m_project.width = width;
  m_project.tolerance = tolerance;
  m_layerCount = layerCount;
}

void ProjectReader::ReadLayers() {
  try {
    m_project.layers.reserve(static_cast<std::size_t>(m_layerCount));
  } catch (const std::bad_alloc&) {
    Fail(ComputeError::OutOfMemory);
  }
  const double a = m_project.length;
  const double b = m_project.width;
  std::int32_t highestIndex = 0;
  for (std::int32_t j = 0; j < m_layerCount; ++j) {
    CheckerProject::Layer& layer = m_project.layers.emplace_back();
    layer.er = m_reader.ReadF64();
    layer.z = m_reader.ReadF64();
    m_reader.Skip(kLayerFieldsNotUsed);
    const std::int32_t polygonCount = m_reader.ReadI32();
    if (!Positive(layer.er)) Fail(ComputeError::PermittivityNotPositive, {.layerIndex = j});
    if (!NonNegative(layer.z)) Fail(ComputeError::LayerHeightNegative, {.layerIndex = j});
    if (polygonCount < 0 || polygonCount > CheckerProject::kMaxLayerPolygons) {
      Fail(ComputeError::LayerPolygonCount, {.layerIndex = j});
    }
    const std::array<Point3, 4> footprint{
        {{0.0, 0.0, layer.z}, {a, 0.0, layer.z}, {a, b, layer.z}, {0.0, b, layer.z}}};
    layer.slots.push_back({Polygon(footprint), 0, 0});
    for (std::int32_t k = 0; k < polygonCount; ++k) {
      ReadPolygon(j, layer);
      highestIndex = std::max(highestIndex, layer.slots.back().conductorIndex);
    }
  }
  m_project.conductorCount = highestIndex + 1;
  m_job.ConductorCount = m_project.conductorCount;
  // Slot 0 of every layer is its dielectric interface.
  for (CheckerProject::Layer& layer : m_project.layers) layer.slots.front().conductorIndex = highestIndex + 1;
}

void ProjectReader::ReadNodes(std::int32_t count, const CheckDetails& where, std::vector<Point3>& nodes) {
  const double t = m_project.tolerance;
  for (std::int32_t i = 0; i < count; ++i) {
    Point3 node;
    node.x = m_reader.ReadF64();
    node.y = m_reader.ReadF64();
    node.z = m_reader.ReadF64();
    const bool inside = node.x >= -t && node.x <= m_project.length + t && node.y >= -t &&
                        node.y <= m_project.width + t && std::isfinite(node.z);
    if (!inside) Fail(ComputeError::NodeOutsideFootprint, where);
    // A node within the tolerance outside lies on the footprint's edge, so
    // that every containment test later sees it there.
    node.x = std::clamp(node.x, 0.0, m_project.length);
    node.y = std::clamp(node.y, 0.0, m_project.width);
    nodes.push_back(node);
  }
}

// The number of nodes not within t of an earlier one.
std::size_t DistinctNodes(std::span<const Point3> nodes, double t) {
  std::size_t distinct = 0;
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    const auto repeats = [&](const Point3& earlier) { return (nodes[i] - earlier).Length() <= t; };
    if (std::none_of(nodes.begin(), nodes.begin() + static_cast<std::ptrdiff_t>(i), repeats)) ++distinct;
  }
  return distinct;
}

void ProjectReader::ReadPolygon(std::int32_t layerIndex, CheckerProject::Layer& layer) {
  const std::uint32_t conductorIndex = m_reader.ReadU32();
  const auto shapeId = static_cast<std::int32_t>(m_reader.ReadU32());
  const std::uint8_t closed = m_reader.ReadU8();
  const std::int32_t nodeCount = m_reader.ReadI32();
  ++m_project.polygonCount;
  const CheckDetails where{.polygonId = shapeId, .layerIndex = layerIndex};
  // An open polyline encloses no surface to charge.
  if (nodeCount < kMinNodes || nodeCount > kMaxNodes || closed == 0) {
    Fail(ComputeError::NodeCountOutOfRange, where);
  }

  std::vector<Point3> nodes;
  nodes.reserve(static_cast<std::size_t>(nodeCount));
  ReadNodes(nodeCount, where, nodes);
  const double t = m_project.tolerance;
  // The outline is closed implicitly; a repeated closing node is dropped.
  if ((nodes.back() - nodes.front()).Length() <= t) nodes.pop_back();
  if (DistinctNodes(nodes, t) < static_cast<std::size_t>(kMinNodes)) {
    Fail(ComputeError::NodeCountOutOfRange, where);
  }

  Polygon polygon(nodes);
  if (IsReentrantOutline(polygon)) Fail(ComputeError::OverlappingOutline, where);
  const Point3 normal = polygon.UnitNormal();
  // Nodes all on one line: the outline runs back over itself and encloses nothing.
  if (normal.Length() == 0.0) Fail(ComputeError::SelfIntersection, where);
  if (normal.z < 0.0) polygon.Reversed();
  if (conductorIndex > kMaxConductorIndex) Fail(ComputeError::ConductorIndexOutOfRange, where);
  layer.slots.push_back({std::move(polygon), static_cast<std::int32_t>(conductorIndex), shapeId});
}

void ProjectReader::ReadVias() {
  const std::int32_t viaCount = m_reader.ReadI32();
  if (viaCount < 0 || viaCount > kMaxVias) Fail(ComputeError::ViaCountOutOfRange);
  const double halfAngle = std::numbers::pi / m_project.viaSegments;
  for (std::int32_t i = 0; i < viaCount; ++i) {
    CheckerProject::Via via;
    via.id = static_cast<std::int32_t>(m_reader.ReadU32());
    const double radius = m_reader.ReadF64();
    via.x = m_reader.ReadF64();
    via.y = m_reader.ReadF64();
    double top = m_reader.ReadF64();
    double bottom = m_reader.ReadF64();
    via.solid = m_reader.ReadU8() != 0;
    via.radius = (1.0 / std::cos(halfAngle) + 1.0) * radius / 2.0;
    if (!Positive(via.radius)) Fail(ComputeError::ViaRadiusNotPositive, {.viaId = via.id});
    if (top < bottom) std::swap(top, bottom);
    FindViaLayers(via, top, bottom);
    m_project.vias.push_back(std::move(via));
  }
}

void ProjectReader::FindViaLayers(CheckerProject::Via& via, double top, double bottom) {
  const double t = m_project.tolerance;
  std::int32_t upper = -1;
  std::int32_t lower = -1;
  for (std::size_t j = 0; j < m_project.layers.size(); ++j) {
    const double z = m_project.layers[j].z;
    if (std::fabs(z - top) <= t) {
      upper = static_cast<std::int32_t>(j);
    } else if (std::fabs(z - bottom) <= t) {
      lower = static_cast<std::int32_t>(j);
    }
  }
  // Layers stored out of height order could put the top below the bottom.
  if (upper < 0 || lower < 0 || upper < lower) {
    Fail(ComputeError::ViaLayerMissing, {.viaId = via.id});
  }
  via.upperLayer = upper;
  via.lowerLayer = lower;
}

}  // namespace

CheckerProject ReadQlxProject(std::istream& in, ComputeJob& job) {
  return ProjectReader(in, job).Read();
}

}  // namespace quor::solver
