// The modal dialogs the document runs. The editor's user interface implements
// them; each returns true on OK with the values updated and leaves them as
// they were on Cancel. The dialogs only collect and check values: the
// document converts units and changes the model.
#pragma once

#include <string>

namespace quor {

class CLayer;
class CStructure;
struct SettingsRecord;

// The footprint in display units; the factor (internal units per display
// unit) lets the dialog refuse a value that would overflow once converted.
struct ProjectDialogValues {
  bool newProject = false;
  double length = 0.0;
  double width = 0.0;
  std::string unitName;
  double unitFactor = 1.0;
};

// The height is in the unit of unitIndex, which the dialog lets the user change.
struct LayerDialogValues {
  bool newLayer = false;
  std::string name;
  double er = 1.0;
  double height = 0.0;
  int unitIndex = -1;
  bool visible = true;
  bool locked = false;
};

// Radius and centre in display units, with the factor to internal units as
// for the footprint; the layers are the structure's.
struct ViaDialogValues {
  bool newVia = false;
  const CStructure* structure = nullptr;
  std::string unitName;
  double unitFactor = 1.0;
  double radius = 0.0;
  double x = 0.0;
  double y = 0.0;
  CLayer* top = nullptr;
  CLayer* bottom = nullptr;
  bool solid = false;
};

struct MetallizationDialogValues {
  bool top = false;
  bool left = false;
  bool bottom = false;
  bool right = false;
};

class DocumentDialogs {
 public:
  virtual ~DocumentDialogs() = default;

  virtual bool RunProjectDialog(ProjectDialogValues& values) = 0;
  virtual bool RunLayerDialog(LayerDialogValues& values) = 0;
  virtual bool RunViaDialog(ViaDialogValues& values) = 0;
  virtual bool RunMetallizationDialog(MetallizationDialogValues& values) = 0;
  // The "Settings" property sheet: copies its pages' values into the record on OK.
  virtual bool RunSettingsPages(SettingsRecord& record) = 0;
};

}  // namespace quor
