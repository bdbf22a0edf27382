// The whole drawn structure of one project: the footprint with the
// metallization of its four sides, the layer stack kept sorted by height, the
// vias, and the counters that number layers, polygons and vias.
#pragma once

#include <array>
#include <cstdint>
#include <iosfwd>
#include <list>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "editor/model/CLayer.h"
#include "editor/model/CVia.h"

namespace quor {

class LayerComboControl;
class LayerListControl;

class CStructure {
 public:
  using LayerList = std::list<std::unique_ptr<CLayer>>;
  using ViaList = std::list<std::unique_ptr<CVia>>;

  CStructure() = default;
  CStructure(const CStructure&) = delete;
  CStructure& operator=(const CStructure&) = delete;
  virtual ~CStructure();

  // Counters, flags and footprint to zero; every layer and via deleted.
  void Clear();

  // Layers. Every refusal is a TextError and leaves the structure unchanged.
  // Without a name the layer is called "Layer %i" after the layer counter.
  CLayer& AddLayer(const CDielectric& dielectric, std::optional<std::string_view> name, bool visible,
                   bool locked);
  CLayer& FindLayerByZ(double z) const;
  bool HasLayerAtZ(double z) const;
  CLayer& GetLayerByIndex(int index) const;
  // Deletes the layer with its polygons and the vias that join it.
  void RemoveLayerAtZ(double z);
  // Moves the layer to a new height and returns how many vias use it.
  int ChangeLayerZ(CLayer& layer, double newZ);
  int GetConductorCount() const;

  // Polygons, found by the height of their layer.
  CConductorPolygon& AddNewShapeAtZ(double z, std::unique_ptr<CConductorPolygon> polygon);
  CConductorPolygon& AddShapeAtZ(double z, std::unique_ptr<CConductorPolygon> polygon);
  std::unique_ptr<CConductorPolygon> RemoveShapeAtZ(double z, const CShape* polygon);
  CConductorPolygon& GetShapeByIdAtZ(double z, std::uint32_t shapeId) const;
  void BringToFront(const CShape& shape);
  void SendToBack(const CShape& shape);

  // Vias.
  CVia& AddVia(std::unique_ptr<CVia> via);
  std::unique_ptr<CVia> RemoveVia(const CShape* via);
  CVia& GetViaById(std::uint32_t viaId) const;

  // Footprint and sides, in the order top, left, bottom, right.
  void GetFootprint(double& length, double& width) const;
  void SetFootprint(double length, double width);
  void GetMetallization(bool& top, bool& left, bool& bottom, bool& right) const;
  void SetMetallization(bool top, bool left, bool bottom, bool right);
  // 2 with a polygon, 1 with a via that reaches beyond length or width; else 0.
  int FindShapeOutsideFootprint(double length, double width, CShape*& shape) const;

  void DrawFootprint(const ViewMapping& view, DrawContext& dc) const;
  void DrawLayers(const ViewMapping& view, DrawContext& dc, bool fill) const;

  // Vias first (last to first), then the visible, unlocked layers from the top.
  CShape* HitTest(const Point3& point, double tolerance) const;
  void CollectShapes(const DoubleRect* rect, std::vector<CShape*>& list) const;

  void FillProjectTree(TreeControl& tree) const;
  void FillLayerCombo(LayerComboControl& combo, double z) const;
  void FillLayerList(LayerListControl& list, double z, const DocumentSettings& document) const;

  // The structure record of the project file; loading expects an empty structure.
  void Serialize(Archive& ar);
  // The model text file.
  void WriteText(std::ostream& out, const DocumentSettings& document) const;

  const LayerList& GetLayers() const { return layers; }
  const ViaList& GetVias() const { return vias; }
  int GetLayerCount() const { return static_cast<int>(layers.size()); }
  int GetViaCount() const { return static_cast<int>(vias.size()); }
  std::uint32_t GetLayerCounter() const { return layerCounter; }
  std::uint32_t GetNextShapeId() const { return nextShapeId; }
  std::uint32_t GetNextViaId() const { return nextViaId; }

 private:
  LayerList::const_iterator FirstLayerAtOrAbove(double z) const;
  bool JoinsLayer(const CVia& via, const CLayer& layer) const;
  void LoadLayers(Archive& ar);
  void LoadVias(Archive& ar);

  std::uint32_t layerCounter = 0;
  std::uint32_t nextShapeId = 0;
  std::uint32_t nextViaId = 0;
  std::array<std::uint8_t, 4> metallization{};
  double footprintLength = 0.0;
  double footprintWidth = 0.0;
  ViaList vias;
  LayerList layers;
};

}  // namespace quor
