// The editing view without its toolkit: the mapping of world coordinates
// (internal units, y up) to client pixels, the fit scale, zoom and scrolling,
// the grid and snapping, the active layer, the display modes, the view's side
// of the document's update hints, the selection and the paint sequence. The
// wx canvas forwards its events here and presents what is drawn.
#pragma once

#include <vector>

#include "editor/document/EditingView.h"
#include "editor/document/UpdateHint.h"
#include "editor/model/ViewMapping.h"
#include "editor/ui/view/CSelection.h"
#include "editor/ui/view/ViewHost.h"

namespace quor {

class ProfileStore;
class ProjectDocument;
struct Point3;

class ViewCore : public ViewMapping, public EditingView {
 public:
  static constexpr float kMinZoom = 0.1f;
  static constexpr float kMaxZoom = 16.0f;
  // Bounds of the fit scale: far inside float's range, so that scales, pixel
  // sizes and their products never overflow.
  static constexpr float kMinFitScale = 1e-30f;
  static constexpr float kMaxFitScale = 1e30f;
  // Pixels between the footprint and the client area's left, right and top.
  static constexpr int kMargin = 20;
  static constexpr COLORREF kBackgroundColour = 0xEEEEEE;
  static constexpr COLORREF kAxesColour = 0x0000E0;

  // Reads the view's profile values.
  ViewCore(ViewHost& host, ProfileStore& profile);
  // Writes them back, so the profile keeps those of the view closed last.
  ~ViewCore() override;
  ViewCore(const ViewCore&) = delete;
  ViewCore& operator=(const ViewCore&) = delete;

  // Lifecycle, as the window passes it on.
  void OnInitialUpdate(ProjectDocument& document);
  void OnActivateView(bool activate);
  // The framework's own update arrives as hint 0.
  void OnUpdate(const Hint& hint);
  void SetClientSize(DeviceSize size);

  // Mapping. The scroll position enters here only; device contexts keep their
  // origin at the client area's top-left corner.
  double PixelsPerUnit() const;
  double WorldXToScreen(double x) const;
  double WorldYToScreen(double y) const;
  double ScreenXToWorld(double px) const;
  double ScreenYToWorld(double py) const;
  Point2 ScreenToWorld(DevicePoint point) const;
  DevicePoint WorldToScreen(const Point2& point) const override;
  DeviceRect WorldRectToScreen(const DoubleRect& rect) const override;
  double PixelsToUnits(double pixels) const override;
  DoubleRect ClipRect() const override;
  int UnitsToPixels(double distance) const;
  DeviceSize WorldSizeToScreen(double width, double height) const;
  // A pixel size in world units, as (x, y).
  Point2 ScreenSizeToWorld(double cx, double cy) const;
  int GetLabelHeight() const;
  // The footprint with its margins, as (x, y) world units.
  Point2 GetTotalWorldSize() const;
  // The cursor's world position in the document's display unit, for the info bar.
  Point2 GetDisplayCoordinates(DevicePoint point) const;

  // Zoom and scrolling.
  void ComputeFitScale();
  void RecalcScrollSizes();
  void SetZoom(double factor, DevicePoint point, bool centre);
  void ZoomIn(DevicePoint point);
  void ZoomOut(DevicePoint point);
  void ZoomToRect(const DoubleRect& rect);
  void ZoomAll();
  void PanBy(int dx, int dy);
  // Both keep the position within the scroll range and repaint.
  void ScrollBy(int dx, int dy);
  void ScrollTo(DevicePoint position);
  void OnMouseWheel(unsigned flags, int delta, DevicePoint clientPoint);

  // Grid snapping; both leave everything as it is while snapping is off.
  Point2 SnapPoint(const Point2& point) const;
  // The correction that puts the moved rectangle's edge nearest to a grid
  // line onto it, per axis.
  Point3 SnapDelta(double dx, double dy, const DoubleRect& bounds) const;

  // Painting into the window's back buffer: the background, then the scene.
  void OnDraw(DrawContext& dc);
  void DrawScene(DrawContext& dc);
  void DrawGrid(DrawContext& dc) const;
  void DrawAxes(DrawContext& dc) const;
  // The window could not paint: says so once in the view's life, since the
  // message box itself makes the window paint again.
  void ReportPaintFailure(const std::string& text);

  // EditingView.
  void SetActiveLayer(double z) override;
  void ClearSelection() override;
  void AddToSelection(CShape& shape) override;
  void Repaint() override;

  // The operations the commands and the editing tools share. Tolerances are
  // fixed in pixels, so they stay the same on the screen at every zoom.
  // The object at the point (its z the layer's height), vias first.
  CShape* HitTest(const Point3& point) const;
  // The polygon whose corner handle lies under the point, with the handle
  // (4 to 7) written to `handle`; null otherwise.
  CShape* HitTestSelectionHandle(const Point3& point, int& handle) const;
  bool IsSelected(const CShape* object) const;
  void SelectInRect(const DoubleRect& rect);
  // The first node of a selected polygon near the point, or null.
  Point3* HitTestSelectedNode(const Point2& point) const;
  // Appends the selected polygons' nodes strictly inside the rectangle and
  // returns how many there were.
  int SelectNodesInRect(const DoubleRect& rect, std::vector<Point3*>& list) const;
  // The ends of the first edge of a selected polygon near the point.
  bool HitTestSelectedEdge(const Point2& point, Point3*& first, Point3*& second) const;
  // Scales the first selected polygon about the fixed corner so that the old
  // corner goes to the new one; one undo step.
  void ResizeSelection(const Point3& fixedCorner, const Point3& newCorner, const Point3& oldCorner);

  // The view's commands. The wx view maps the menu ids to these; a refusal
  // of the document (TextError) comes out of them for the caller to show.
  static constexpr int kMenuPolygons = 167;
  static constexpr int kMenuEmpty = 188;
  static constexpr int kMenuVias = 189;
  bool HasSelection() const { return !m_selection.IsEmpty(); }
  bool IsOneObjectSelected() const { return m_selection.GetCount() == 1; }
  bool IsOnePolygonSelected() const;
  bool IsTwoPolygonsSelected() const;
  void SelectAll();
  void Copy();
  void Cut();
  void DeleteSelection();
  bool CanPaste() const;
  // Clones of the clipboard's objects, moved d right and d down, pasted onto
  // the active layer and selected; returns them.
  std::vector<CShape*> Paste(double offset);
  // Paste 10 pixels right and down of the copied positions.
  void PasteWithOffset();
  void Undo();
  // The dialog of the one selected object's kind.
  void Properties();
  void PolygonProperties();
  void ViaProperties();
  void OnIndex();
  void BringToFront();
  void SendToBack();
  void Subtract();
  bool CanZoomIn() const { return m_zoom < kMaxZoom; }
  bool CanZoomOut() const { return m_zoom > kMinZoom; }
  // Zoom In and Out about the middle of the client area.
  void ZoomInCentre();
  void ZoomOutCentre();
  void ToggleShowGrid();
  void ToggleSnapToGrid();
  void SetRenderModeCommand(int mode);
  // An empty polygon on the active layer, edited in the Polygon dialog; a
  // cancelled dialog removes it again (a second undo step).
  void OnNewPolygon();
  void NewLayer();
  void NewVia();
  void EditFootprint();
  // The view's keys (Win32 virtual key codes), after the tool has seen them.
  void OnKeyDown(unsigned key, int repeat, unsigned flags);
  // Right click at a client point: selects what is there and returns the
  // context menu to show (kMenuPolygons, kMenuEmpty or kMenuVias).
  int OnContextMenu(DevicePoint point);

  double GetActiveZ() const { return m_activeZ; }
  float GetZoom() const { return m_zoom; }
  float GetFitScale() const { return m_fitScale; }
  int GetRenderMode() const { return m_renderMode; }
  void SetRenderMode(int mode) { m_renderMode = mode; }
  int GetNodeDisplay() const { return m_nodeDisplay; }
  // 1 draws the selection as node squares, 0 as corner handles.
  void SetNodeDisplay(int display) { m_nodeDisplay = display; }
  double GetGridSpacing() const { return m_gridSpacing; }
  bool IsShowGrid() const { return m_showGrid; }
  void SetShowGrid(bool show) { m_showGrid = show; }
  bool IsSnapToGrid() const { return m_snapToGrid; }
  void SetSnapToGrid(bool snap) { m_snapToGrid = snap; }
  COLORREF GetGridColor() const { return m_gridColor; }
  const ScrollBars& GetScrollBars() const { return m_scroll; }
  DeviceSize GetClientSize() const { return m_clientSize; }
  CSelection& GetSelection() { return m_selection; }
  const CSelection& GetSelection() const { return m_selection; }
  ProjectDocument* GetDocument() const { return m_document; }

 private:
  // Indices of the grid lines (multiples of the spacing) between low and high
  // world units (the client area's `pixels` across) that lie strictly inside
  // 0..extent; first > last when none or when they cannot be told apart.
  struct GridLines {
    double first;
    double last;
  };
  GridLines VisibleGridLines(double low, double high, double extent, int pixels) const;
  void LoadViewSettings();
  void SaveViewSettings();
  void GetFootprint(double& length, double& width) const;
  // Snapping needs a positive spacing; anything else counts as snapping off.
  bool SnapsToGrid() const;
  bool ShowsVerticalScrollBar() const;
  bool ShowsHorizontalScrollBar() const;
  DevicePoint ClampScrollPosition(DevicePoint position) const;
  void ApplyScrollPosition(DevicePoint position);
  void OnBeforeLayerDelete(const HintLayerObjects& record);
  // After the model changed under the view: an active height without a layer
  // moves to an existing one.
  void KeepActiveLayer();

  ViewHost& m_host;
  ProfileStore& m_profile;
  ProjectDocument* m_document = nullptr;
  DeviceSize m_clientSize;
  ScrollBars m_scroll;

  float m_zoom = 1.0f;
  float m_fitScale = 1.0f;
  double m_activeZ = 0.0;
  int m_renderMode = 0;  // 0 filled polygons, otherwise outlines only
  int m_nodeDisplay = 0;
  double m_gridSpacing = 1000.0;  // until the document's value is taken
  bool m_showGrid = true;
  bool m_snapToGrid = true;
  COLORREF m_gridColor = 0xC8C8C8;
  bool m_firstPaintDone = false;
  bool m_paintFailureReported = false;
  CSelection m_selection;
};

}  // namespace quor
