// Whether a shape pointer that a tool kept still names an object of the
// model. Compared as identities only, so a pointer into a model that an undo
// has replaced is never read.
#pragma once

namespace quor {

class CShape;
class CStructure;

// On the layer at z.
bool LayerHoldsShape(const CStructure& model, double z, const CShape* shape);
// On any layer.
bool ModelHoldsShape(const CStructure& model, const CShape* shape);

}  // namespace quor
