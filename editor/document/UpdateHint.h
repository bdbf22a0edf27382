// The update hints a document sends to its views and, through the main frame,
// to the bars, each with the payload its number carries. Objects and layers
// passed "as identity" are already destroyed when the hint arrives: receivers
// may only compare the pointer with pointers they hold.
#pragma once

#include <cstdint>
#include <variant>

namespace quor {

class CLayer;
class CShape;
class EditingView;

enum class UpdateHint : int {
  HintNone = 0,               // an update of the document framework's own
  HintAddObject = 1,          // payload: the new object (CShape)
  HintNewLayer = 2,           // the new layer (CLayer)
  HintAddObjectAt = 3,        // HintObjectAtZ
  HintRemoveObject = 4,       // the removed object, as identity
  HintNodesEdited = 5,        // none; views only
  HintDeleteVia = 6,          // the removed via, as identity
  HintLayerDeleted = 7,       // the removed layer, as identity
  HintBeforeLayerDelete = 8,  // HintLayerObjects; the layer still exists
  HintLayerVisible = 9,       // the layer's z
  HintLayerLocked = 10,       // the layer's z
  HintLayerColor = 11,        // none
  HintActiveLayer = 12,       // the new active z; main frame only
  HintObjectScaled = 13,      // none
  HintSelectionMoved = 14,    // none; views only
  HintMetallization = 15,     // none
  HintViewActivated = 16,     // the activated view (may be null); main frame only
  HintViewDeactivated = 17,   // none; main frame only
  HintConductorIndex = 18,    // none; views only
  HintPolygonEdited = 19,     // none; views only
  HintReload = 21,            // none; every object pointer held before is invalid
  HintSettings = 22,          // none
  HintFootprint = 23,         // none
  HintPasteObjects = 24,      // HintPastedObjects
  HintDeleteObjects = 25,     // HintDeletedObjects
  HintLayerProperties = 26,   // the layer
  HintViaProperties = 27,     // none; views only
  HintBringToFront = 28,      // the object
  HintSendToBack = 29,        // the object
};

struct HintObjectAtZ {
  double z;
  CShape* object;
};

struct HintLayerObjects {
  CLayer* layer;
  std::int32_t count;  // polygons on the layer
};

struct HintPastedObjects {
  double z;
  CShape* const* objects;
  std::int32_t count;
};

struct HintDeletedObjects {
  const CShape* const* objects;  // identities only
  std::int32_t count;
};

// A removed object or layer: only its address is left to compare.
template <typename T>
struct RemovedIdentity {
  const T* address;
};

// True for the hint numbers that carry a payload.
constexpr bool CarriesPayload(UpdateHint code) {
  switch (code) {
    case UpdateHint::HintAddObject:
    case UpdateHint::HintNewLayer:
    case UpdateHint::HintAddObjectAt:
    case UpdateHint::HintRemoveObject:
    case UpdateHint::HintDeleteVia:
    case UpdateHint::HintLayerDeleted:
    case UpdateHint::HintBeforeLayerDelete:
    case UpdateHint::HintLayerVisible:
    case UpdateHint::HintLayerLocked:
    case UpdateHint::HintActiveLayer:
    case UpdateHint::HintViewActivated:
    case UpdateHint::HintPasteObjects:
    case UpdateHint::HintDeleteObjects:
    case UpdateHint::HintLayerProperties:
    case UpdateHint::HintBringToFront:
    case UpdateHint::HintSendToBack:
      return true;
    default:
      return false;
  }
}

// A hint with its payload. A hint that carries one is made only through the
// factory of its number, and read only through the accessor of its type; a
// hint without one converts from its number, at compile time, so a number
// that needs a payload cannot be sent bare. An accessor of the wrong type
// throws std::bad_variant_access instead of reading memory as something else.
class Hint {
 public:
  // Hint 0.
  constexpr Hint() = default;
  // A hint that carries nothing. Not a constant expression, and so not
  // compiled, for a number that carries a payload.
  consteval Hint(UpdateHint code) : m_code(code) {
    if (CarriesPayload(code)) throw "this hint number carries a payload: use its factory";
  }

  static Hint AddObject(CShape& object) { return {UpdateHint::HintAddObject, &object}; }
  static Hint NewLayer(CLayer& layer) { return {UpdateHint::HintNewLayer, &layer}; }
  static Hint AddObjectAt(const HintObjectAtZ& record) { return {UpdateHint::HintAddObjectAt, record}; }
  static Hint RemoveObject(const CShape& object) {
    return {UpdateHint::HintRemoveObject, RemovedIdentity<CShape>{&object}};
  }
  static Hint DeleteVia(const CShape& via) {
    return {UpdateHint::HintDeleteVia, RemovedIdentity<CShape>{&via}};
  }
  static Hint LayerDeleted(const CLayer& layer) {
    return {UpdateHint::HintLayerDeleted, RemovedIdentity<CLayer>{&layer}};
  }
  static Hint BeforeLayerDelete(const HintLayerObjects& record) {
    return {UpdateHint::HintBeforeLayerDelete, record};
  }
  static Hint LayerVisible(double z) { return {UpdateHint::HintLayerVisible, z}; }
  static Hint LayerLocked(double z) { return {UpdateHint::HintLayerLocked, z}; }
  static Hint ActiveLayer(double z) { return {UpdateHint::HintActiveLayer, z}; }
  static Hint ViewActivated(EditingView* view) { return {UpdateHint::HintViewActivated, view}; }
  static Hint PasteObjects(const HintPastedObjects& record) { return {UpdateHint::HintPasteObjects, record}; }
  static Hint DeleteObjects(const HintDeletedObjects& record) {
    return {UpdateHint::HintDeleteObjects, record};
  }
  static Hint LayerProperties(CLayer& layer) { return {UpdateHint::HintLayerProperties, &layer}; }
  static Hint BringToFront(CShape& object) { return {UpdateHint::HintBringToFront, &object}; }
  static Hint SendToBack(CShape& object) { return {UpdateHint::HintSendToBack, &object}; }

  UpdateHint Code() const { return m_code; }
  bool operator==(UpdateHint code) const { return m_code == code; }

  // Hints 1, 28 and 29.
  CShape& Object() const { return *std::get<CShape*>(m_payload); }
  // Hints 2 and 26.
  CLayer& Layer() const { return *std::get<CLayer*>(m_payload); }
  // Hints 4 and 6.
  const CShape* RemovedObject() const { return std::get<RemovedIdentity<CShape>>(m_payload).address; }
  // Hint 7.
  const CLayer* RemovedLayer() const { return std::get<RemovedIdentity<CLayer>>(m_payload).address; }
  // Hints 9, 10 and 12.
  double Z() const { return std::get<double>(m_payload); }
  // Hint 16.
  EditingView* View() const { return std::get<EditingView*>(m_payload); }
  // Hint 3.
  const HintObjectAtZ& ObjectAtZ() const { return std::get<HintObjectAtZ>(m_payload); }
  // Hint 8.
  const HintLayerObjects& LayerObjects() const { return std::get<HintLayerObjects>(m_payload); }
  // Hint 24.
  const HintPastedObjects& PastedObjects() const { return std::get<HintPastedObjects>(m_payload); }
  // Hint 25.
  const HintDeletedObjects& DeletedObjects() const { return std::get<HintDeletedObjects>(m_payload); }

 private:
  using Payload =
      std::variant<std::monostate, CShape*, CLayer*, RemovedIdentity<CShape>, RemovedIdentity<CLayer>, double,
                   EditingView*, HintObjectAtZ, HintLayerObjects, HintPastedObjects, HintDeletedObjects>;

  Hint(UpdateHint code, Payload payload) : m_code(code), m_payload(payload) {}

  UpdateHint m_code = UpdateHint::HintNone;
  Payload m_payload;
};

}  // namespace quor
