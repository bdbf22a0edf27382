// The update hints a document sends to its views and, through the main frame,
// to the bars, with the records some of them carry. Objects and layers passed
// "as identity" are already destroyed when the hint arrives: receivers may only
// compare the pointer with pointers they hold.
#pragma once

#include <cstdint>

namespace quor {

class CLayer;
class CShape;

enum class UpdateHint : int {
  HintAddObject = 1,          // payload: the new object (CShape)
  HintNewLayer = 2,           // the new layer (CLayer)
  HintAddObjectAt = 3,        // HintObjectAtZ
  HintRemoveObject = 4,       // the removed object, as identity
  HintNodesEdited = 5,        // none; views only
  HintDeleteVia = 6,          // the removed via, as identity
  HintLayerDeleted = 7,       // the removed layer, as identity
  HintBeforeLayerDelete = 8,  // HintLayerObjects; the layer still exists
  HintLayerVisible = 9,       // pointer to the layer's z (double)
  HintLayerLocked = 10,       // pointer to the layer's z (double)
  HintLayerColor = 11,        // none
  HintActiveLayer = 12,       // pointer to the new active z (double); main frame only
  HintObjectScaled = 13,      // none
  HintSelectionMoved = 14,    // none; views only
  HintMetallization = 15,     // none
  HintViewActivated = 16,     // the activated view; main frame only
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

}  // namespace quor
