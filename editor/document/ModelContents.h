// The objects a model holds at one moment, kept as identities only, so that
// after a change the document can tell every window of each object that left
// the model with another one (the vias of a deleted layer) with the hint its
// removal by hand sends: no window then keeps a pointer the model has freed.
#pragma once

#include <vector>

#include "editor/document/UpdateHint.h"

namespace quor {

class CStructure;

class ModelContents {
 public:
  explicit ModelContents(const CStructure& model);

  // The removal hint of each object held here that `model` no longer holds
  // and that `hint` does not name, in model order. None after a reload,
  // which names every object.
  std::vector<Hint> RemovalsNotNamed(const CStructure& model, const Hint& hint) const;

 private:
  struct Held {
    const CShape* shape;
    const CLayer* layer;  // null for a via
  };

  std::vector<Held> m_held;
};

}  // namespace quor
