#include "editor/ui/polygondialog/PolygonDialogCore.h"

#include "editor/document/ProjectDocument.h"
#include "editor/grid/GridCellRef.h"
#include "editor/grid/GridMessages.h"
#include "editor/model/LeadingNumber.h"
#include "editor/model/StorableValues.h"
#include "editor/ui/polygondialog/GridNumberText.h"

namespace quor {

namespace {

constexpr int kNodeColumns = 2;
constexpr int kXColumn = 1;
constexpr int kYColumn = 2;
constexpr int kRowHeaderWidth = 30;
constexpr int kRowHeight = 18;

}  // namespace

PolygonDialogCore::PolygonDialogCore(ProjectDocument& document, CConductorPolygon& polygon, double layerZ,
                                     bool newPolygon, GridSend grid, ViewHooks view)
    : m_Document(document),
      m_Polygon(polygon),
      m_Backup(polygon),
      m_LayerZ(layerZ),
      m_NewPolygon(newPolygon),
      m_grid(std::move(grid)),
      m_view(std::move(view)) {
  m_Document.BeginDialogChange();
}

std::string PolygonDialogCore::CellText(int row, int column) const {
  return GetGridCellText(m_grid, row, column);
}

void PolygonDialogCore::SetCellText(int row, int column, const std::string& text) {
  SetGridCellText(m_grid, row, column, text);
}

void PolygonDialogCore::ShowRow(int row) {
  const NodeRow& node = m_rows[row - 1];
  SetCellText(row, kXColumn, FormatGridNumber(m_Document.ToDisplayUnits(node.x)));
  SetCellText(row, kYColumn, FormatGridNumber(m_Document.ToDisplayUnits(node.y)));
}

std::optional<double> PolygonDialogCore::ReadNodeCell(int row, int column) const {
  const std::string text = CellText(row, column);
  if (text.empty()) return 0.0;
  const std::optional<double> number = ReadLeadingNumber(text);
  if (!number) return std::nullopt;
  const double value = m_Document.FromDisplayUnits(*number);
  return IsStorableNumber(value) ? std::optional<double>(value) : std::nullopt;
}

void PolygonDialogCore::Init(int gridClientWidth) {
  m_grid(grid::GRM_SETDIMENSIONS, kGridRows, kNodeColumns);
  m_grid(grid::GRM_SETEDITABLE, 1, 0);
  m_grid(grid::GRM_SETROWHIGHLIGHT, 0, 0);
  m_grid(grid::GRM_SETCOLUMNLETTERING, 0, 0);
  m_grid(grid::GRM_SETSTRETCHLASTCOLUMN, 0, 0);
  m_grid(grid::GRM_SETROWHEIGHT, kRowHeight, 0);
  m_grid(grid::GRM_SETHEADINGHEIGHT, kRowHeight, 0);
  const int nodeWidth = (gridClientWidth - kRowHeaderWidth) / 2;
  m_grid(grid::GRM_SETCOLUMNWIDTH, 0, kRowHeaderWidth);
  m_grid(grid::GRM_SETCOLUMNWIDTH, kXColumn, nodeWidth);
  m_grid(grid::GRM_SETCOLUMNWIDTH, kYColumn, nodeWidth);
  m_grid(grid::GRM_SETCOLUMNKIND, kXColumn, grid::kKindNumber);
  m_grid(grid::GRM_SETCOLUMNKIND, kYColumn, grid::kKindNumber);
  const std::string heading = std::string("x [") + m_Document.GetUnitName() + "]";
  SetCellText(0, kXColumn, heading);
  SetCellText(0, kYColumn, "y" + heading.substr(1));

  m_closed = false;
  if (!m_NewPolygon) {
    m_closed = m_Polygon.IsClosed();
    for (const Point3& node : m_Polygon.GetNodes()) m_rows.push_back({node.x, node.y});
    m_NodeRows = static_cast<int>(m_rows.size());
    // The grid grows its rows as they are written, up to its limit.
    for (int row = 1; row <= m_NodeRows; ++row) ShowRow(row);
  }
  m_grid(grid::GRM_ANNOUNCEROW, 0, 0);
}

int PolygonDialogCore::CursorRow() const {
  return static_cast<int>(m_grid(grid::GRM_GETCURSORROW, 0, 0));
}

bool PolygonDialogCore::IsCursorOnNode() const {
  const int row = CursorRow();
  return row >= 1 && row <= m_NodeRows;
}

void PolygonDialogCore::HighlightNode(int node) {
  if (m_view.highlight) m_view.highlight(node >= 0 && node < m_Polygon.GetNodes().GetCount() ? node : -1);
  Repaint();
}

void PolygonDialogCore::Repaint() {
  if (m_view.repaint) m_view.repaint();
}

void PolygonDialogCore::RebuildPolygon() {
  m_Polygon.Reset();
  for (const NodeRow& node : m_rows) m_Polygon.AddNode({node.x, node.y, m_LayerZ});
  m_Polygon.SetClosed(m_closed);
}

std::optional<PolygonDialogCore::NodeCell> PolygonDialogCore::OnGridNotify(int code, int row, int column) {
  if (code == grid::GRN_ROWCHANGED) {
    HighlightNode(row - 1);
    return std::nullopt;
  }
  if (code != grid::GRN_EDITFINISHED || row < 1 || (column != kXColumn && column != kYColumn)) {
    return std::nullopt;
  }
  if (CellText(row, column).empty()) SetCellText(row, column, "0");
  if (row > m_NodeRows) {
    // Rows between the last node and this one become nodes from what they hold.
    std::vector<NodeRow> added;
    for (int r = m_NodeRows + 1; r <= row; ++r) {
      const std::optional<double> x = ReadNodeCell(r, kXColumn);
      if (!x) return NodeCell{r, kXColumn};
      const std::optional<double> y = ReadNodeCell(r, kYColumn);
      if (!y) return NodeCell{r, kYColumn};
      added.push_back({*x, *y});
    }
    m_rows.insert(m_rows.end(), added.begin(), added.end());
    m_NodeRows = row;
    RebuildPolygon();
  } else {
    const std::optional<double> value = ReadNodeCell(row, column);
    if (!value) return NodeCell{row, column};
    NodeRow& node = m_rows[row - 1];
    (column == kXColumn ? node.x : node.y) = *value;
    Point3& point = *m_Polygon.GetNodes().GetAt(row - 1);
    point.x = node.x;
    point.y = node.y;
  }
  Repaint();
  return std::nullopt;
}

std::optional<PolygonDialogCore::NodeCell> PolygonDialogCore::FindUnreadableNode() const {
  for (int row = 1; row <= m_NodeRows; ++row) {
    for (const int column : {kXColumn, kYColumn}) {
      if (!ReadNodeCell(row, column)) return NodeCell{row, column};
    }
  }
  return std::nullopt;
}

void PolygonDialogCore::InsertBefore() {
  const int row = CursorRow();
  if (row < 1 || row > m_NodeRows) return;
  m_rows.insert(m_rows.begin() + (row - 1), NodeRow{});
  ++m_NodeRows;
  for (int r = m_NodeRows; r > row; --r) {
    SetCellText(r, kXColumn, CellText(r - 1, kXColumn));
    SetCellText(r, kYColumn, CellText(r - 1, kYColumn));
  }
  SetCellText(row, kXColumn, "0");
  SetCellText(row, kYColumn, "0");
  RebuildPolygon();
  HighlightNode(row - 1);
}

void PolygonDialogCore::DeleteNode() {
  const int row = CursorRow();
  if (row < 1 || row > m_NodeRows) return;
  for (int r = row; r < m_NodeRows; ++r) {
    SetCellText(r, kXColumn, CellText(r + 1, kXColumn));
    SetCellText(r, kYColumn, CellText(r + 1, kYColumn));
  }
  grid::GridCellRef ref;
  for (const int column : {kXColumn, kYColumn}) {
    grid::SetGridCellRef(ref, m_NodeRows, column);
    m_grid(grid::GRM_DELETECELL, reinterpret_cast<win::WPARAM>(&ref), 0);
  }
  m_rows.erase(m_rows.begin() + (row - 1));
  m_Polygon.RemoveNode(row - 1);
  --m_NodeRows;
  HighlightNode(row - 1);
}

void PolygonDialogCore::SetClosed(bool checked) {
  m_closed = checked;
  m_Polygon.SetClosed(checked);
  Repaint();
}

std::optional<std::string> PolygonDialogCore::Ok(int conductorIndex, std::optional<double> layerZ) {
  if (!layerZ) return "Please select a layer";
  m_Polygon.SetClosed(m_closed);
  m_Polygon.conductorIndex = static_cast<std::uint32_t>(conductorIndex);
  m_Polygon.RecalcBounds();
  if (*layerZ != m_LayerZ) m_Document.MoveObjectToLayer(m_Polygon, *layerZ);
  m_Document.FinishDialogChange(UpdateHint::HintPolygonEdited);
  return std::nullopt;
}

void PolygonDialogCore::Cancel() {
  m_Polygon = m_Backup;
  Repaint();
}

}  // namespace quor
