// The view's commands, keys and context menus: what each does to the
// selection, the clipboard and the document, and when it is enabled.
#include <string>

#include "editor/document/ProjectDocument.h"
#include "editor/model/CConductorPolygon.h"
#include "editor/model/Point3.h"
#include "editor/ui/view/ViewCore.h"
#include "platform/win/WinTypes.h"

namespace quor {

namespace {

// Paste and the arrow keys move by this many pixels at the current zoom.
constexpr double kStepPixels = 10.0;
constexpr unsigned kKeyI = 'I';
// The tools after which the key I asks for the index of the figure just drawn.
constexpr int kPolylineToolId = 32832;
constexpr int kRectangleToolId = 32831;

}  // namespace

bool ViewCore::IsOnePolygonSelected() const {
  return m_selection.GetCount() == 1 && m_selection.GetType() == CShape::kConductorPolygon;
}

bool ViewCore::IsTwoPolygonsSelected() const {
  return m_selection.GetCount() == 2 && m_selection.GetType() == CShape::kConductorPolygon;
}

void ViewCore::SelectAll() {
  m_host.CancelTool();
  m_selection.SelectAll();
  Repaint();
}

void ViewCore::Copy() {
  if (m_selection.IsEmpty()) return;
  std::vector<ClipboardObject> objects;
  objects.reserve(m_selection.GetObjects().size());
  for (const CShape* object : m_selection.GetObjects()) objects.push_back(ClipboardObject::Copy(*object));
  m_host.SetClipboard(std::move(objects));
}

void ViewCore::Cut() {
  if (m_selection.IsEmpty()) return;
  Copy();
  m_selection.Delete();
}

void ViewCore::DeleteSelection() {
  m_selection.Delete();
}

bool ViewCore::CanPaste() const {
  return !m_host.GetClipboard().empty();
}

std::vector<CShape*> ViewCore::Paste(double offset) {
  const std::vector<ClipboardObject>& clipboard = m_host.GetClipboard();
  if (clipboard.empty() || m_document == nullptr) return {};
  std::vector<ClipboardObject> clones;
  clones.reserve(clipboard.size());
  for (const ClipboardObject& object : clipboard) {
    clones.push_back(object.Clone());
    // Right and down on the screen, where y grows upwards in the world.
    if (offset != 0.0) clones.back().shape->Offset(Point3{offset, -offset, 0.0});
  }
  // The paste's hint empties the selection; the new objects take its place.
  std::vector<CShape*> pasted = m_document->PasteObjects(std::move(clones), m_activeZ);
  for (CShape* object : pasted) m_selection.Add(*object);
  Repaint();
  return pasted;
}

void ViewCore::PasteWithOffset() {
  Paste(PixelsToUnits(kStepPixels));
}

void ViewCore::Undo() {
  m_host.CancelToolForUndo();
  if (m_document != nullptr) m_document->Undo();
}

void ViewCore::Properties() {
  if (!IsOneObjectSelected()) return;
  switch (m_selection.GetType()) {
    case CShape::kConductorPolygon:
      PolygonProperties();
      break;
    case CShape::kVia:
      ViaProperties();
      break;
    default:
      break;
  }
}

void ViewCore::PolygonProperties() {
  if (!IsOneObjectSelected()) return;
  SetNodeDisplay(1);
  Repaint();
  m_selection.EditPolygonProperties(
      [this](CConductorPolygon& polygon, double z) { m_host.RunPolygonDialog(polygon, z, false); });
  SetNodeDisplay(0);
  Repaint();
}

void ViewCore::ViaProperties() {
  if (IsOneObjectSelected()) m_selection.EditViaProperties();
}

void ViewCore::OnIndex() {
  if (m_selection.IsEmpty() || m_selection.GetType() != CShape::kConductorPolygon) return;
  const int common = m_selection.GetConductorIndex();
  const std::string text = common != -1 ? std::to_string(common) : std::string();
  if (const std::optional<int> index = m_host.AskConductorIndex(text)) {
    m_selection.SetConductorIndex(static_cast<std::uint32_t>(*index));
  }
}

void ViewCore::BringToFront() {
  if (IsOnePolygonSelected()) m_selection.BringToFront();
}

void ViewCore::SendToBack() {
  if (IsOnePolygonSelected()) m_selection.SendToBack();
}

void ViewCore::Subtract() {
  if (m_document == nullptr || !IsTwoPolygonsSelected()) return;
  // A copy: the subtraction's hints empty the selection while it runs.
  const std::vector<CShape*> objects = m_selection.GetObjects();
  m_document->SubtractPolygons(objects);
}

void ViewCore::ZoomInCentre() {
  ZoomIn({m_clientSize.cx / 2, m_clientSize.cy / 2});
}

void ViewCore::ZoomOutCentre() {
  ZoomOut({m_clientSize.cx / 2, m_clientSize.cy / 2});
}

void ViewCore::ToggleShowGrid() {
  m_showGrid = !m_showGrid;
  Repaint();
}

void ViewCore::ToggleSnapToGrid() {
  m_snapToGrid = !m_snapToGrid;
}

void ViewCore::SetRenderModeCommand(int mode) {
  if (m_renderMode == mode) return;
  m_renderMode = mode;
  Repaint();
}

void ViewCore::OnNewPolygon() {
  if (m_document == nullptr) return;
  const double z = m_activeZ;
  CConductorPolygon& polygon = m_document->AddObjectCopyAt(z, CConductorPolygon());
  m_selection.Add(polygon);
  SetNodeDisplay(1);
  if (!m_host.RunPolygonDialog(polygon, z, true)) {
    ClearSelection();
    m_document->RemoveObjectAt(z, polygon);
  }
  SetNodeDisplay(0);
  Repaint();
}

void ViewCore::NewLayer() {
  if (m_document != nullptr) m_document->NewLayer(*this);
}

void ViewCore::NewVia() {
  if (m_document != nullptr) m_document->NewVia(*this);
}

void ViewCore::EditFootprint() {
  if (m_document == nullptr) return;
  m_host.CancelTool();
  Repaint();
  m_document->EditFootprint(*this);
}

void ViewCore::OnKeyDown(unsigned key, int repeat, unsigned flags) {
  m_host.ToolKeyDown(key, repeat, flags);
  const double d = PixelsToUnits(kStepPixels);
  switch (key) {
    case win::VK_ESCAPE:
      m_host.SetSelectTool();
      ClearSelection();
      Repaint();
      break;
    case win::VK_LEFT:
      m_selection.Offset(Point3{-d, 0.0, 0.0});
      Repaint();
      break;
    case win::VK_UP:
      m_selection.Offset(Point3{0.0, d, 0.0});
      Repaint();
      break;
    case win::VK_RIGHT:
      m_selection.Offset(Point3{d, 0.0, 0.0});
      Repaint();
      break;
    case win::VK_DOWN:
      m_selection.Offset(Point3{0.0, -d, 0.0});
      Repaint();
      break;
    case win::VK_DELETE:
      m_selection.Delete();
      break;
    case kKeyI: {
      if (!IsOnePolygonSelected()) break;
      const auto& polygon = static_cast<const CConductorPolygon&>(*m_selection.GetObjects().front());
      const int tool = m_host.GetToolCommandId();
      if (polygon.IsClosed() && (tool == kPolylineToolId || tool == kRectangleToolId)) OnIndex();
      break;
    }
    default:
      break;
  }
}

int ViewCore::OnContextMenu(DevicePoint point) {
  m_host.CancelTool();
  CShape* hit = HitTest(Point3(ScreenToWorld(point), m_activeZ));
  int menu = kMenuEmpty;
  if (hit != nullptr) {
    if (!m_selection.Contains(hit)) {
      ClearSelection();
      m_selection.Add(*hit);
    }
    switch (m_selection.GetType()) {
      case CShape::kConductorPolygon:
        menu = kMenuPolygons;
        break;
      case CShape::kVia:
        menu = kMenuVias;
        break;
      default:
        break;
    }
  } else {
    ClearSelection();
  }
  Repaint();
  return menu;
}

}  // namespace quor
