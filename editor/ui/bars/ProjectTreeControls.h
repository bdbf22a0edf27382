// The project tree as its logic sees it: items with their parent, children,
// image and model object, the selection, expansion and repainting.
#pragma once

#include "editor/model/TreeControl.h"

namespace quor {

class ProjectTreeControls : public TreeControl {
 public:
  virtual void DeleteAllItems() = 0;
  virtual void DeleteItem(Item item) = 0;
  // kNoItem where there is none.
  virtual Item GetFirstRoot() const = 0;
  virtual Item GetFirstChild(Item item) const = 0;
  virtual Item GetNextSibling(Item item) const = 0;
  virtual Item GetParent(Item item) const = 0;
  virtual Object GetObject(Item item) const = 0;
  virtual int GetImage(Item item) const = 0;
  virtual Item GetSelection() const = 0;
  virtual void SelectItem(Item item) = 0;
  virtual void ClearSelection() = 0;
  virtual bool IsExpanded(Item item) const = 0;
  virtual void Expand(Item item) = 0;
  virtual void Repaint() = 0;
};

}  // namespace quor
