// The info bar without its toolkit: the mouse position of the active view and
// the list of its project's layers with the active one selected, kept up to
// date from the hints the main frame relays.
#pragma once

#include <string>

#include "editor/ui/bars/LayerListBar.h"

namespace quor {

class CLayer;
class InfoBarControls;

class InfoBarLogic : public LayerListBar {
 public:
  explicit InfoBarLogic(InfoBarControls& controls) : m_controls(controls) {}

  // x and y in display units.
  void SetCoordinates(double x, double y);
  void FillLayerList(double z);
  // The user picked the entry of `layer` (null: no entry).
  void OnSelChangeLayer(const CLayer* layer);

  // The text an entry shows: name, height in display units, unit name.
  std::string ItemText(const CLayer& layer) const;

  BarView* GetView() const { return View(); }

 private:
  void Refill(double z) override;
  void OnAttached(double z) override;
  void ClearList() override;
  void OnOwnHint(const Hint& hint) override;

  InfoBarControls& m_controls;
  bool m_updating = false;
};

}  // namespace quor
