// What the info bar and the Layers window share: each lists the layers of the
// active view's project, follows the view from its activation (hint 16) to
// its deactivation (hint 17), and lists again when a layer comes, changes or
// goes, or the settings change.
#pragma once

#include "editor/ui/BarHintReceiver.h"

namespace quor {

class BarView;
class ProjectDocument;

class LayerListBar : public BarHintReceiver {
 public:
  void OnHint(const Hint& hint) final;

 protected:
  // The followed view and its project; null between views.
  BarView* View() const { return m_view; }
  ProjectDocument* Document() const { return m_document; }

 private:
  // Lists the layers afresh with the one at z selected.
  virtual void Refill(double z) = 0;
  // A view has been activated; its active layer is at z.
  virtual void OnAttached(double z) = 0;
  // The view has gone: the list empties.
  virtual void ClearList() = 0;
  // The hints the two lists follow each their own way.
  virtual void OnOwnHint(const Hint& hint) = 0;

  BarView* m_view = nullptr;
  ProjectDocument* m_document = nullptr;
};

}  // namespace quor
