// The view's lifecycle, its profile values, the active layer and what it does
// on each of the document's update hints.
#include "editor/ui/view/ViewCore.h"

#include <optional>

#include "editor/document/ProjectDocument.h"
#include "editor/document/SettingsProfile.h"
#include "editor/model/CStructure.h"
#include "platform/profile/ProfileStore.h"

namespace quor {

namespace {

// The height of the highest layer strictly below z.
std::optional<double> LayerBelow(const CStructure& model, double z) {
  std::optional<double> below;
  for (const auto& layer : model.GetLayers()) {
    const double layerZ = layer->GetZ();
    if (layerZ < z && (!below || layerZ > *below)) below = layerZ;
  }
  return below;
}

std::optional<double> LowestLayer(const CStructure& model) {
  std::optional<double> lowest;
  for (const auto& layer : model.GetLayers()) {
    if (!lowest || layer->GetZ() < *lowest) lowest = layer->GetZ();
  }
  return lowest;
}

}  // namespace

ViewCore::ViewCore(ViewHost& host, ProfileStore& profile)
    : m_host(host), m_profile(profile), m_selection(*this) {
  LoadViewSettings();
}

ViewCore::~ViewCore() {
  SaveViewSettings();
}

void ViewCore::LoadViewSettings() {
  m_renderMode = m_profile.GetProfileInt(kSettingsSection, "RenderMode", 0);
  m_snapToGrid = m_profile.GetProfileInt(kSettingsSection, "SnapToGrid", 1) != 0;
  m_showGrid = m_profile.GetProfileInt(kSettingsSection, "ShowGrid", 1) != 0;
  m_gridColor = static_cast<COLORREF>(m_profile.GetProfileInt(kSettingsSection, "GridColor", 0xC8C8C8));
}

void ViewCore::SaveViewSettings() {
  m_profile.WriteProfileInt(kSettingsSection, "RenderMode", m_renderMode);
  m_profile.WriteProfileInt(kSettingsSection, "SnapToGrid", m_snapToGrid ? 1 : 0);
  m_profile.WriteProfileInt(kSettingsSection, "ShowGrid", m_showGrid ? 1 : 0);
  m_profile.WriteProfileInt(kSettingsSection, "GridColor", static_cast<int>(m_gridColor));
}

void ViewCore::OnInitialUpdate(ProjectDocument& document) {
  m_document = &document;
  m_selection.SetDocument(&document);
  ComputeFitScale();
  RecalcScrollSizes();
  m_gridSpacing = document.GetSettings().GridSpacing;
}

void ViewCore::OnActivateView(bool activate) {
  if (!activate) {
    m_host.CancelTool();
    return;
  }
  if (m_document != nullptr) m_document->UpdateFootprintStatus();
}

void ViewCore::OnUpdate(const Hint& hint) {
  switch (hint.Code()) {
    case UpdateHint::HintNodesEdited:
    case UpdateHint::HintObjectScaled:
    case UpdateHint::HintSelectionMoved:
    case UpdateHint::HintViaProperties:
    case UpdateHint::HintBringToFront:
    case UpdateHint::HintSendToBack:
      Repaint();
      break;
    case UpdateHint::HintBeforeLayerDelete:
      OnBeforeLayerDelete(hint.LayerObjects());
      break;
    case UpdateHint::HintConductorIndex:
      break;
    case UpdateHint::HintSettings:
      if (m_document != nullptr) m_gridSpacing = m_document->GetSettings().GridSpacing;
      Repaint();
      break;
    case UpdateHint::HintFootprint:
      RecalcScrollSizes();
      Repaint();
      break;
    case UpdateHint::HintLayerProperties:
      SetActiveLayer(hint.Layer().GetZ());
      Repaint();
      break;
    default:
      // Any other change may have destroyed selected objects.
      ClearSelection();
      Repaint();
      m_host.CancelTool();
      break;
  }
  KeepActiveLayer();
}

void ViewCore::OnBeforeLayerDelete(const HintLayerObjects& record) {
  ClearSelection();
  m_host.CancelTool();
  Repaint();
  // The layer still exists: the one below it takes over as the active layer.
  const double z = record.layer->GetZ();
  if (z != m_activeZ || m_document == nullptr) return;
  if (const auto below = LayerBelow(m_document->GetModel(), z)) SetActiveLayer(*below);
}

void ViewCore::KeepActiveLayer() {
  if (m_document == nullptr) return;
  const CStructure& model = m_document->GetModel();
  if (model.HasLayerAtZ(m_activeZ)) return;
  // Undo of New Layer or of a height change can take the active layer away;
  // new objects must still find a layer.
  std::optional<double> z = LayerBelow(model, m_activeZ);
  if (!z) z = LowestLayer(model);
  if (z) SetActiveLayer(*z);
}

void ViewCore::SetActiveLayer(double z) {
  if (z == m_activeZ) return;
  m_activeZ = z;
  ClearSelection();
  Repaint();
  m_host.BroadcastHint(Hint::ActiveLayer(m_activeZ));
}

void ViewCore::ClearSelection() {
  m_selection.Clear();
}

void ViewCore::AddToSelection(CShape& shape) {
  m_selection.Add(shape);
}

void ViewCore::Repaint() {
  m_host.Repaint();
}

void ViewCore::ReportPaintFailure(const std::string& text) {
  if (m_paintFailureReported) return;
  m_paintFailureReported = true;
  m_host.ShowMessage(text);
}

}  // namespace quor
