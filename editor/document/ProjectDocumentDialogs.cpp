// The document's edit operations that first ask the user in a dialog.
#include <string>

#include "editor/document/DocumentDialogs.h"
#include "editor/document/DocumentServices.h"
#include "editor/document/EditingView.h"
#include "editor/document/ProjectDocument.h"
#include "editor/model/CStructure.h"
#include "editor/model/LengthUnits.h"
#include "editor/model/Point2.h"

namespace quor {

void ProjectDocument::EditMetallization() {
  MetallizationDialogValues values;
  m_model->GetMetallization(values.top, values.left, values.bottom, values.right);
  if (!Services().dialogs.RunMetallizationDialog(values)) return;
  ChangeModel(Snapshot::Take, Delivery::ViewsAndFrame, [&]() -> Hint {
    m_model->SetMetallization(values.top, values.left, values.bottom, values.right);
    return UpdateHint::HintMetallization;
  });
}

void ProjectDocument::NewLayer(EditingView& view) {
  LayerDialogValues values;
  values.newLayer = true;
  values.name = "Layer " + std::to_string(m_model->GetLayerCounter());
  values.unitIndex = m_settings.Units;
  if (!Services().dialogs.RunLayerDialog(values)) return;
  // The height is in the unit the dialog shows, which the user may change there.
  const int unit = IsValidLengthUnit(values.unitIndex) ? values.unitIndex : m_settings.Units;
  const double z = ToInternalUnits(values.height, unit);
  ChangeModel(Snapshot::Take, Delivery::ViewsAndFrame, [&]() -> Hint {
    return Hint::NewLayer(
        m_model->AddLayer(CDielectric(values.er, z), values.name, values.visible, values.locked));
  });
  view.SetActiveLayer(z);
}

void ProjectDocument::EditLayerProperties(double z) {
  CLayer& layer = m_model->FindLayerByZ(z);
  LayerDialogValues values{false,         layer.GetName(), layer.GetEr(), ToDisplayUnits(z), m_settings.Units,
                           layer.visible, layer.locked};
  const LayerDialogValues shown = values;
  if (!Services().dialogs.RunLayerDialog(values)) return;
  // A height the user left alone keeps its exact value: converting it there
  // and back need not give the same double, and layers are found by height.
  const bool heightKept = values.height == shown.height && values.unitIndex == shown.unitIndex;
  const int unit = IsValidLengthUnit(values.unitIndex) ? values.unitIndex : m_settings.Units;
  const double newZ = heightKept ? z : ToInternalUnits(values.height, unit);
  int viasAffected = 0;
  ChangeModel(Snapshot::Take, Delivery::ViewsAndFrame, [&]() -> Hint {
    const CDielectric dielectric(values.er, newZ);
    if (newZ != z) viasAffected = m_model->ChangeLayerZ(layer, newZ);
    layer.SetName(values.name);
    layer.locked = values.locked;
    layer.visible = values.visible;
    layer.SetEr(dielectric.Er);
    return Hint::LayerProperties(layer);
  });
  if (viasAffected > 0) ShowMessage("Number of vias affected: " + std::to_string(viasAffected));
}

void ProjectDocument::NewVia(EditingView& view, const Point2* centre) {
  ViaDialogValues values;
  values.newVia = true;
  values.structure = m_model.get();
  values.unitName = GetUnitName();
  values.unitFactor = FromDisplayUnits(1.0);
  if (centre != nullptr) {
    values.x = ToDisplayUnits(centre->x);
    values.y = ToDisplayUnits(centre->y);
  }
  if (!Services().dialogs.RunViaDialog(values)) return;
  const CVia via(FromDisplayUnits(values.radius), FromDisplayUnits(values.x), FromDisplayUnits(values.y),
                 values.top, values.bottom, values.solid);
  CVia& added = AddObjectCopy(via);
  view.ClearSelection();
  view.AddToSelection(added);
  view.Repaint();
}

void ProjectDocument::EditViaProperties(CVia& via) {
  ViaDialogValues values;
  values.structure = m_model.get();
  values.unitName = GetUnitName();
  values.unitFactor = FromDisplayUnits(1.0);
  values.radius = ToDisplayUnits(via.GetRadius());
  values.x = ToDisplayUnits(via.GetX());
  values.y = ToDisplayUnits(via.GetY());
  values.top = via.GetTopLayer();
  values.bottom = via.GetBottomLayer();
  values.solid = via.IsSolid();
  if (!Services().dialogs.RunViaDialog(values)) return;
  ChangeModel(Snapshot::Take, Delivery::ViewsOnly, [&]() -> Hint {
    // The via object stays, with its id and its place in the via list: the
    // selection and the project tree keep pointing at it.
    CVia edited(FromDisplayUnits(values.radius), FromDisplayUnits(values.x), FromDisplayUnits(values.y),
                values.top, values.bottom, values.solid);
    edited.id = via.id;
    via = edited;
    return UpdateHint::HintViaProperties;
  });
}

void ProjectDocument::EditFootprint(EditingView& view) {
  double length = 0.0;
  double width = 0.0;
  m_model->GetFootprint(length, width);
  ProjectDialogValues values{false, ToDisplayUnits(length), ToDisplayUnits(width), GetUnitName(),
                             FromDisplayUnits(1.0)};
  const ProjectDialogValues shown = values;
  if (!Services().dialogs.RunProjectDialog(values)) return;
  const double newLength = values.length != shown.length ? FromDisplayUnits(values.length) : length;
  const double newWidth = values.width != shown.width ? FromDisplayUnits(values.width) : width;

  if (newLength < length || newWidth < width) {
    CShape* outside = nullptr;
    if (m_model->FindShapeOutsideFootprint(newLength, newWidth, outside) != 0) {
      view.ClearSelection();
      view.AddToSelection(*outside);
      view.Repaint();
      ShowMessage("Error: Object out of footprint");
      return;
    }
  }
  ChangeModel(Snapshot::Take, Delivery::ViewsAndFrame, [&]() -> Hint {
    m_model->SetFootprint(newLength, newWidth);
    return UpdateHint::HintFootprint;
  });
  UpdateFootprintStatus();
}

}  // namespace quor
