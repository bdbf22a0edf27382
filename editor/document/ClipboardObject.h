// One object of the editor's internal clipboard. A via keeps the heights of
// its two layers besides its layer pointers: by the time it is pasted those
// layers may be gone (the project closed, an undo rebuilt them), so a paste
// links it again by height.
#pragma once

#include <memory>

namespace quor {

class CShape;

struct ClipboardObject {
  std::unique_ptr<CShape> shape;
  double topZ = 0.0;     // vias only
  double bottomZ = 0.0;  // vias only

  // A clone of a shape of the model; its layers must still exist.
  static ClipboardObject Copy(const CShape& shape);
  // A clone of a clipboard object, for one more paste.
  ClipboardObject Clone() const;
};

}  // namespace quor
