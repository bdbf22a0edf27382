// What the bars need of the active editing view: its project, its active
// layer, its selection, a repaint and the commands that the view itself
// handles (New Layer, the object commands of the tree's menus).
#pragma once

#include <utility>

#include "editor/document/EditingView.h"
#include "editor/document/UpdateHint.h"

namespace quor {

class ProjectDocument;

class BarView : public EditingView {
 public:
  virtual ProjectDocument& GetProjectDocument() const = 0;
  virtual double GetActiveZ() const = 0;
  // Runs one of the view's menu commands as if it came from its menu.
  virtual void RunViewCommand(int id) = 0;
};

// The view that hint 16 carries to the bars' logic, with its project; both
// null when there is none or it is not a bar view.
std::pair<BarView*, ProjectDocument*> AttachedView(const Hint& activated);

}  // namespace quor
