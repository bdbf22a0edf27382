#include "editor/model/CStructure.h"

#include <algorithm>
#include <cassert>
#include <ostream>

#include "editor/model/DocumentSettings.h"
#include "editor/model/LayerColourTable.h"
#include "editor/model/LayerComboControl.h"
#include "editor/model/LayerListControl.h"
#include "editor/model/ModelTextLine.h"
#include "editor/model/NumberFormat.h"
#include "editor/model/StorableValues.h"
#include "editor/model/ViewMapping.h"
#include "platform/archive/Archive.h"
#include "platform/archive/ArchiveException.h"
#include "platform/error/TextError.h"

namespace quor {

namespace {

constexpr COLORREF kMetallizedSide = 0x7B7BF8;
constexpr COLORREF kViaFillColour = 0xE0E0E0;
constexpr int kLayersImage = 0;
constexpr int kViasImage = 1;
constexpr int kVisibleImage = 2;
constexpr int kHiddenImage = 3;
constexpr int kUnlockedImage = 1;
constexpr int kLockedImage = 0;
// The smallest layer record and the via record, for checking stored counts.
constexpr std::size_t kMinLayerRecordSize = 77;
constexpr std::size_t kViaRecordSize = 45;

enum Side { kTop, kLeft, kBottom, kRight };

[[noreturn]] void ThrowNoLayer() {
  throw TextError("Layer does not exist");
}

}  // namespace

CStructure::~CStructure() {
  Clear();
}

void CStructure::Clear() {
  layerCounter = 0;
  nextShapeId = 0;
  nextViaId = 0;
  metallization = {};
  footprintLength = 0.0;
  footprintWidth = 0.0;
  // The vias point at layers: they go first.
  vias.clear();
  layers.clear();
}

CStructure::LayerList::const_iterator CStructure::FirstLayerAtOrAbove(double z) const {
  return std::find_if(layers.begin(), layers.end(), [z](const auto& layer) { return layer->GetZ() >= z; });
}

CLayer& CStructure::AddLayer(const CDielectric& dielectric, std::optional<std::string_view> name,
                             bool visible, bool locked) {
  const auto before = FirstLayerAtOrAbove(dielectric.z);
  if (before != layers.end() && (*before)->GetZ() == dielectric.z) {
    throw TextError("Two layers cannot be on the same height");
  }
  const std::string defaultName = "Layer " + std::to_string(layerCounter);
  auto layer = std::make_unique<CLayer>(dielectric, name.value_or(defaultName), visible, locked);
  layer->colour = DefaultLayerColour(layerCounter);
  CLayer& added = **layers.insert(before, std::move(layer));
  ++layerCounter;
  return added;
}

CLayer& CStructure::FindLayerByZ(double z) const {
  const auto found =
      std::find_if(layers.begin(), layers.end(), [z](const auto& layer) { return layer->GetZ() == z; });
  if (found == layers.end()) ThrowNoLayer();
  return **found;
}

bool CStructure::HasLayerAtZ(double z) const {
  return std::any_of(layers.begin(), layers.end(), [z](const auto& layer) { return layer->GetZ() == z; });
}

CLayer& CStructure::GetLayerByIndex(int index) const {
  if (static_cast<unsigned>(index) >= layers.size()) ThrowNoLayer();
  return **std::next(layers.begin(), index);
}

bool CStructure::JoinsLayer(const CVia& via, const CLayer& layer) const {
  return via.GetTopLayer() == &layer || via.GetBottomLayer() == &layer;
}

void CStructure::RemoveLayerAtZ(double z) {
  const CLayer& layer = FindLayerByZ(z);
  // No via may keep pointing at a deleted layer.
  std::erase_if(vias, [&](const auto& via) { return JoinsLayer(*via, layer); });
  std::erase_if(layers, [&](const auto& held) { return held.get() == &layer; });
}

int CStructure::ChangeLayerZ(CLayer& layer, double newZ) {
  if (HasLayerAtZ(newZ)) throw TextError("Two layers cannot be on the same height");
  const auto entry =
      std::find_if(layers.begin(), layers.end(), [&](const auto& held) { return held.get() == &layer; });
  if (entry == layers.end()) ThrowNoLayer();
  std::unique_ptr<CLayer> moved = std::move(*entry);
  layers.erase(entry);
  layers.insert(FirstLayerAtOrAbove(newZ), std::move(moved));
  layer.SetZ(newZ);

  int affected = 0;
  for (const auto& via : vias) {
    if (!JoinsLayer(*via, layer)) continue;
    ++affected;
    if (via->GetBottomLayer()->GetZ() > via->GetTopLayer()->GetZ()) {
      via->SetLayers(via->GetBottomLayer(), via->GetTopLayer());
    }
  }
  return affected;
}

int CStructure::GetConductorCount() const {
  int maximum = 0;
  for (const auto& layer : layers) maximum = std::max(maximum, layer->MaxConductorIndex());
  return maximum + 1;
}

CConductorPolygon& CStructure::AddNewShapeAtZ(double z, std::unique_ptr<CConductorPolygon> polygon) {
  CLayer& layer = FindLayerByZ(z);
  polygon->id = nextShapeId++;
  return layer.AddShape(std::move(polygon));
}

CConductorPolygon& CStructure::AddShapeAtZ(double z, std::unique_ptr<CConductorPolygon> polygon) {
  return FindLayerByZ(z).AddShape(std::move(polygon));
}

std::unique_ptr<CConductorPolygon> CStructure::RemoveShapeAtZ(double z, const CShape* polygon) {
  return FindLayerByZ(z).RemoveShape(polygon);
}

CConductorPolygon& CStructure::GetShapeByIdAtZ(double z, std::uint32_t shapeId) const {
  return FindLayerByZ(z).GetShapeById(shapeId);
}

void CStructure::BringToFront(const CShape& shape) {
  FindLayerByZ(shape.GetZ()).MoveShapeToEnd(&shape);
}

void CStructure::SendToBack(const CShape& shape) {
  FindLayerByZ(shape.GetZ()).MoveShapeToBegin(&shape);
}

CVia& CStructure::AddVia(std::unique_ptr<CVia> via) {
  assert(via && "the via list holds vias, not nulls");
  via->id = nextViaId++;
  vias.push_back(std::move(via));
  return *vias.back();
}

std::unique_ptr<CVia> CStructure::RemoveVia(const CShape* via) {
  const auto found =
      std::find_if(vias.begin(), vias.end(), [via](const auto& held) { return held.get() == via; });
  if (found == vias.end()) throw TextError("Via does not exist");
  std::unique_ptr<CVia> removed = std::move(*found);
  vias.erase(found);
  return removed;
}

CVia& CStructure::GetViaById(std::uint32_t viaId) const {
  const auto found =
      std::find_if(vias.begin(), vias.end(), [viaId](const auto& via) { return via->id == viaId; });
  if (found == vias.end()) throw TextError("Via does not exist");
  return **found;
}

void CStructure::GetFootprint(double& length, double& width) const {
  length = footprintLength;
  width = footprintWidth;
}

void CStructure::SetFootprint(double length, double width) {
  footprintLength = length;
  footprintWidth = width;
}

void CStructure::GetMetallization(bool& top, bool& left, bool& bottom, bool& right) const {
  top = metallization[kTop] != 0;
  left = metallization[kLeft] != 0;
  bottom = metallization[kBottom] != 0;
  right = metallization[kRight] != 0;
}

void CStructure::SetMetallization(bool top, bool left, bool bottom, bool right) {
  metallization = {std::uint8_t(top), std::uint8_t(left), std::uint8_t(bottom), std::uint8_t(right)};
}

int CStructure::FindShapeOutsideFootprint(double length, double width, CShape*& shape) const {
  for (auto layer = layers.rbegin(); layer != layers.rend(); ++layer) {
    CConductorPolygon* polygon = nullptr;
    if ((*layer)->FindShapeOutside(length, width, polygon) == 2) {
      shape = polygon;
      return 2;
    }
  }
  for (const auto& via : vias) {
    if (via->GetX() + via->GetRadius() > length || via->GetY() + via->GetRadius() > width) {
      shape = via.get();
      return 1;
    }
  }
  return 0;
}

void CStructure::DrawFootprint(const ViewMapping& view, DrawContext& dc) const {
  {
    const ScopedPen noOutline(dc, Pen{PenStyle::Null, 0, 0});
    const ScopedBrush white(dc, Brush{BrushStyle::Solid, Rgb(255, 255, 255)});
    dc.Rectangle(view.WorldRectToScreen(DoubleRect{footprintWidth, 0.0, 0.0, footprintLength}));
  }
  const DevicePoint bottomLeft = view.WorldToScreen({0.0, 0.0});
  const DevicePoint bottomRight = view.WorldToScreen({footprintLength, 0.0});
  const DevicePoint topRight = view.WorldToScreen({footprintLength, footprintWidth});
  const DevicePoint topLeft = view.WorldToScreen({0.0, footprintWidth});
  const auto side = [&](Side which, DevicePoint from, DevicePoint to) {
    const COLORREF colour = metallization[which] != 0 ? kMetallizedSide : Rgb(0, 0, 0);
    const ScopedPen pen(dc, Pen{PenStyle::Solid, 0, colour});
    const DevicePoint line[] = {from, to};
    dc.Polyline(line);
  };
  side(kBottom, bottomLeft, bottomRight);
  side(kRight, bottomRight, topRight);
  side(kTop, topRight, topLeft);
  side(kLeft, topLeft, bottomLeft);
}

void CStructure::DrawLayers(const ViewMapping& view, DrawContext& dc, bool fill) const {
  for (const auto& layer : layers) {
    if (!layer->visible) continue;
    layer->Draw(view, dc, fill);
    for (const auto& via : vias) {
      if (JoinsLayer(*via, *layer)) via->Draw(view, dc, Rgb(255, 255, 255), kViaFillColour, fill);
    }
  }
}

CShape* CStructure::HitTest(const Point3& point, double tolerance) const {
  for (auto via = vias.rbegin(); via != vias.rend(); ++via) {
    if ((*via)->HitTest(point, tolerance)) return via->get();
  }
  for (auto layer = layers.rbegin(); layer != layers.rend(); ++layer) {
    if (!(*layer)->visible || (*layer)->locked) continue;
    if (CShape* hit = (*layer)->HitTest(point, tolerance)) return hit;
  }
  return nullptr;
}

void CStructure::CollectShapes(const DoubleRect* rect, std::vector<CShape*>& list) const {
  for (const auto& layer : layers) {
    if (layer->visible && !layer->locked) layer->CollectShapes(rect, list);
  }
  for (const auto& via : vias) {
    if (rect == nullptr || via->IsInside(*rect)) list.push_back(via.get());
  }
}

void CStructure::FillProjectTree(TreeControl& tree) const {
  const TreeControl::Item layersItem =
      tree.InsertItem("Layers", kLayersImage, kLayersImage, {}, TreeControl::kRoot, TreeControl::kLast);
  const TreeControl::Item viasItem =
      tree.InsertItem("Vias", kViasImage, kViasImage, {}, TreeControl::kRoot, TreeControl::kLast);
  for (const auto& layer : layers) layer->InsertTreeItems(tree, layersItem, TreeControl::kLast);
  for (const auto& via : vias) via->InsertTreeItem(tree, viasItem, TreeControl::kLast);
}

void CStructure::FillLayerCombo(LayerComboControl& combo, double z) const {
  int selected = 0;
  for (const auto& layer : layers) {
    const int entry = combo.AddEntry("item", layer.get());
    if (layer->GetZ() == z) selected = entry;
  }
  combo.SetSelection(selected);
}

void CStructure::FillLayerList(LayerListControl& list, double z, const DocumentSettings& document) const {
  int row = 0;
  std::optional<int> selected;
  for (const auto& layer : layers) {
    const int inserted =
        list.InsertRow(row++, "", layer->visible ? kVisibleImage : kHiddenImage, layer.get());
    list.SetCell(inserted, 1, "", layer->locked ? kLockedImage : kUnlockedImage);
    list.SetCell(inserted, 2, "", LayerListControl::kNoImage);
    list.SetCell(inserted, 3, layer->GetName(), LayerListControl::kNoImage);
    list.SetCell(inserted, 4, FormatDouble(layer->GetEr(), 4), LayerListControl::kNoImage);
    list.SetCell(inserted, 5, FormatDouble(document.ToDisplayUnits(layer->GetZ()), 4),
                 LayerListControl::kNoImage);
    if (layer->GetZ() == z) selected = inserted;
  }
  if (selected) list.SelectRow(*selected);
}

void CStructure::Serialize(Archive& ar) {
  ar.Transfer(footprintLength);
  ar.Transfer(footprintWidth);
  if (ar.IsStoring()) {
    for (std::uint8_t flag : metallization) ar.WriteU8(flag);
    ar.WriteI32(GetLayerCount());
    for (const auto& layer : layers) layer->Serialize(ar);
    ar.WriteI32(GetViaCount());
    for (const auto& via : vias) via->Serialize(ar);
    ar.WriteU32(layerCounter);
    ar.WriteU32(nextShapeId);
    ar.WriteU32(nextViaId);
    return;
  }
  assert(layers.empty() && vias.empty() && "a structure loads into an empty one");
  // A footprint divides the view's scale: an empty or broken one is no project.
  if (!IsStorableSize(footprintLength) || !IsStorableSize(footprintWidth)) {
    throw ArchiveException(ArchiveException::Cause::BadIndex);
  }
  std::array<std::uint8_t, 4> sides{};
  ar.ReadBytes(sides);
  LoadLayers(ar);
  LoadVias(ar);
  layerCounter = ar.ReadU32();
  nextShapeId = ar.ReadU32();
  nextViaId = ar.ReadU32();
  for (std::size_t i = 0; i < sides.size(); ++i) metallization[i] = sides[i] != 0 ? 1 : 0;
}

void CStructure::LoadLayers(Archive& ar) {
  const std::int32_t count = ar.ReadCount(kMinLayerRecordSize);
  for (std::int32_t i = 0; i < count; ++i) {
    auto layer = std::make_unique<CLayer>();
    layer->Serialize(ar);
    // Stored in ascending height: appended as they come. Whatever looks a
    // layer up by height relies on that order, so a file out of it is refused.
    if (!layers.empty() && !IsStorableLayerOrder(layers.back()->GetZ(), layer->GetZ())) {
      throw ArchiveException(ArchiveException::Cause::BadIndex);
    }
    layers.push_back(std::move(layer));
  }
}

void CStructure::LoadVias(Archive& ar) {
  const std::int32_t count = ar.ReadCount(kViaRecordSize);
  for (std::int32_t i = 0; i < count; ++i) {
    const std::uint32_t viaId = ar.ReadU32();
    const double radius = ar.ReadF64();
    const double x = ar.ReadF64();
    const double y = ar.ReadF64();
    const double topZ = ar.ReadF64();
    const double bottomZ = ar.ReadF64();
    const bool solid = ar.ReadU8() != 0;
    if (!IsStorableNumber(radius) || !IsStorableNumber(x) || !IsStorableNumber(y)) {
      throw ArchiveException(ArchiveException::Cause::BadIndex);
    }
    CLayer& bottom = FindLayerByZ(bottomZ);
    CLayer& top = FindLayerByZ(topZ);
    auto via = std::make_unique<CVia>(radius, x, y, &top, &bottom, solid);
    via->id = viaId;
    vias.push_back(std::move(via));
  }
}

void CStructure::WriteText(std::ostream& out, const DocumentSettings& document) const {
  WriteTextLine(out, FormatDouble(document.ToDisplayUnits(footprintLength), 6));
  WriteTextLine(out, FormatDouble(document.ToDisplayUnits(footprintWidth), 6));
  WriteTextLine(out, "");
  WriteTextLine(out, std::to_string(GetLayerCount()));
  for (const auto& layer : layers) layer->WriteText(out, document);
  for (const auto& layer : layers) layer->WriteShapesText(out, document);
  WriteTextLine(out, "");
  WriteTextLine(out, std::to_string(GetViaCount()));
  WriteTextLine(out, std::to_string(document.NumberOfViaSegments));
  for (const auto& via : vias) via->WriteText(out, document);
}

}  // namespace quor
