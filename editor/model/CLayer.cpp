#include "editor/model/CLayer.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <ostream>

#include "editor/model/DocumentSettings.h"
#include "editor/model/ModelTextLine.h"
#include "editor/model/NumberFormat.h"
#include "platform/archive/Archive.h"
#include "platform/error/TextError.h"

namespace quor {

namespace {

constexpr int kLayerImage = 2;
constexpr std::size_t kNameFieldSize = CLayer::kMaxNameLength + 1;
// The smallest polygon record: index, id, closed byte and node count.
constexpr std::size_t kMinPolygonRecordSize = 13;

// Names are UTF-8 here: a cut never splits a character.
std::string_view CutName(std::string_view text) {
  if (text.size() <= CLayer::kMaxNameLength) return text;
  std::size_t length = CLayer::kMaxNameLength;
  while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) --length;
  return text.substr(0, length);
}

}  // namespace

CLayer::CLayer(const CDielectric& record, std::string_view layerName, bool isVisible, bool isLocked)
    : locked(isLocked), visible(isVisible), dielectric(record) {
  SetName(layerName);
}

CLayer::~CLayer() = default;

bool CLayer::IsTypableName(std::string_view text) {
  return std::none_of(text.begin(), text.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
  });
}

void CLayer::SetName(std::string_view text) {
  name = CutName(text);
}

CConductorPolygon& CLayer::AddShape(std::unique_ptr<CConductorPolygon> polygon) {
  assert(polygon && "a layer holds polygons, not nulls");
  // A polygon without nodes has no height but the one its layer gives it.
  if (polygon->GetNodes().IsEmpty()) polygon->SetZ(GetZ());
  shapes.push_back(std::move(polygon));
  return *shapes.back();
}

CLayer::ShapeList::iterator CLayer::Find(const CShape* polygon) {
  const auto found = std::find_if(shapes.begin(), shapes.end(),
                                  [polygon](const auto& held) { return held.get() == polygon; });
  if (found == shapes.end()) throw TextError("Object does not exist");
  return found;
}

std::unique_ptr<CConductorPolygon> CLayer::RemoveShape(const CShape* polygon) {
  const auto found = Find(polygon);
  std::unique_ptr<CConductorPolygon> removed = std::move(*found);
  shapes.erase(found);
  return removed;
}

CConductorPolygon& CLayer::GetShapeById(std::uint32_t shapeId) const {
  for (const auto& polygon : shapes) {
    if (polygon->id == shapeId) return *polygon;
  }
  throw TextError("Bad id");
}

void CLayer::MoveShapeToEnd(const CShape* polygon) {
  shapes.splice(shapes.end(), shapes, Find(polygon));
}

void CLayer::MoveShapeToBegin(const CShape* polygon) {
  shapes.splice(shapes.begin(), shapes, Find(polygon));
}

void CLayer::SetZ(double z) {
  dielectric.z = z;
  for (const auto& polygon : shapes) polygon->SetZ(z);
}

int CLayer::MaxConductorIndex() const {
  int maximum = 0;
  for (const auto& polygon : shapes) maximum = std::max(maximum, static_cast<int>(polygon->conductorIndex));
  return maximum;
}

int CLayer::FindShapeOutside(double length, double width, CConductorPolygon*& polygon) const {
  for (const auto& held : shapes) {
    const Point3List& nodes = held->GetNodes();
    const bool outside = std::any_of(nodes.begin(), nodes.end(),
                                     [&](const Point3& node) { return node.x > length || node.y > width; });
    if (outside) {
      polygon = held.get();
      return 2;
    }
  }
  return 0;
}

void CLayer::Draw(const ViewMapping& view, DrawContext& dc, bool fill) const {
  if (!visible) return;
  for (const auto& polygon : shapes) polygon->Draw(view, dc, Rgb(255, 255, 255), colour, fill);
}

CConductorPolygon* CLayer::HitTest(const Point3& point, double tolerance) const {
  if (!visible) return nullptr;
  const Point3 onLayer{point.x, point.y, GetZ()};
  for (auto it = shapes.rbegin(); it != shapes.rend(); ++it) {
    if ((*it)->HitTest(onLayer, tolerance)) return it->get();
  }
  return nullptr;
}

void CLayer::CollectShapes(const DoubleRect* rect, std::vector<CShape*>& list) const {
  for (const auto& polygon : shapes) {
    if (rect == nullptr || polygon->IsInside(*rect)) list.push_back(polygon.get());
  }
}

TreeControl::Item CLayer::InsertTreeItems(TreeControl& tree, TreeControl::Item parent,
                                          TreeControl::Item insertAfter) {
  const TreeControl::Item item = tree.InsertItem(name, kLayerImage, kLayerImage, this, parent, insertAfter);
  // `insertAfter` places the layer among its siblings; its polygons follow in drawing order.
  for (const auto& polygon : shapes) polygon->InsertTreeItem(tree, item, TreeControl::kLast);
  return item;
}

void CLayer::Serialize(Archive& ar) {
  dielectric.Serialize(ar);
  ar.Transfer(colour);
  if (ar.IsStoring()) {
    ar.WriteU8(locked ? 1 : 0);
    ar.WriteU8(visible ? 1 : 0);
    std::array<std::uint8_t, kNameFieldSize> field{};
    std::copy(name.begin(), name.end(), field.begin());
    ar.WriteBytes(field);
    ar.WriteI32(GetShapeCount());
    for (const auto& polygon : shapes) polygon->Serialize(ar);
    return;
  }
  assert(shapes.empty() && "a layer loads into a fresh object");
  locked = ar.ReadU8() != 0;
  visible = ar.ReadU8() != 0;
  LoadName(ar);
  const std::int32_t count = ar.ReadCount(kMinPolygonRecordSize);
  for (std::int32_t i = 0; i < count; ++i) {
    auto polygon = std::make_unique<CConductorPolygon>();
    polygon->Serialize(ar);
    AddShape(std::move(polygon));
  }
}

void CLayer::LoadName(Archive& ar) {
  std::array<std::uint8_t, kNameFieldSize> field{};
  ar.ReadBytes(field);
  // The text ends at the first zero; a field without one still yields at most
  // 50 characters.
  const auto end = std::find(field.begin(), field.end(), std::uint8_t{0});
  SetName(std::string(field.begin(), end));
}

void CLayer::WriteText(std::ostream& out, const DocumentSettings& document) const {
  WriteTextLine(out, "");
  WriteTextLine(out, name);
  WriteTextLine(out, std::to_string(colour & 0xFF) + " " + std::to_string((colour >> 8) & 0xFF) + " " +
                         std::to_string((colour >> 16) & 0xFF));
  WriteTextLine(out, locked ? "1" : "0");
  WriteTextLine(out, visible ? "1" : "0");
  WriteTextLine(out, FormatDouble(document.ToDisplayUnits(GetZ()), 6));
  WriteTextLine(out, std::to_string(GetShapeCount()));
}

void CLayer::WriteShapesText(std::ostream& out, const DocumentSettings& document) const {
  for (const auto& polygon : shapes) polygon->WriteText(out, document);
}

}  // namespace quor
