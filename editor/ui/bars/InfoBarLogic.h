// The info bar without its toolkit: the mouse position of the active view and
// the list of its project's layers with the active one selected, kept up to
// date from the hints the main frame relays.
#pragma once

#include <string>

#include "editor/ui/BarHintReceiver.h"

namespace quor {

class BarView;
class CLayer;
class InfoBarControls;
class ProjectDocument;

class InfoBarLogic : public BarHintReceiver {
 public:
  explicit InfoBarLogic(InfoBarControls& controls) : m_controls(controls) {}

  // x and y in display units.
  void SetCoordinates(double x, double y);
  void FillLayerList(double z);
  // Hint 16 carries the activated view as a BarView.
  void OnHint(const Hint& hint) override;
  // The user picked the entry of `layer` (null: no entry).
  void OnSelChangeLayer(const CLayer* layer);

  // The text an entry shows: name, height in display units, unit name.
  std::string ItemText(const CLayer& layer) const;

  BarView* GetView() const { return m_view; }

 private:
  void Refill(double z);

  InfoBarControls& m_controls;
  bool m_updating = false;
  BarView* m_view = nullptr;
  ProjectDocument* m_document = nullptr;
};

}  // namespace quor
