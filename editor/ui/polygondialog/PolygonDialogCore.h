// What the Polygon dialog does, without its window: it shows the nodes of one
// conductor polygon in a grid control, edits the polygon live as cells are
// changed, rows inserted or deleted and Closed toggled, and on OK files the
// whole edit as one undo step; Cancel puts the polygon back as it was.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "editor/model/CConductorPolygon.h"
#include "editor/ui/polygondialog/GridCellAccess.h"

namespace quor {

class ProjectDocument;

class PolygonDialogCore {
 public:
  struct ViewHooks {
    // The node the view marks (-1: none).
    std::function<void(int node)> highlight;
    std::function<void()> repaint;
  };

  static constexpr int kGridRows = 100;

  // A node cell, by its grid row and column.
  struct NodeCell {
    int row = 0;
    int column = 0;
  };

  // Takes the document's pending snapshot at once.
  PolygonDialogCore(ProjectDocument& document, CConductorPolygon& polygon, double layerZ, bool newPolygon,
                    GridSend grid, ViewHooks view);

  // Lays out and fills the grid; the client width sizes the two node columns.
  void Init(int gridClientWidth);

  int GetConductorIndex() const { return m_Polygon.conductorIndex; }
  double GetLayerZ() const { return m_LayerZ; }
  bool IsClosedChecked() const { return m_closed; }
  bool IsClosedEnabled() const { return m_Polygon.GetNodes().GetCount() >= 3; }
  bool IsOkEnabled() const { return m_Polygon.GetNodes().GetCount() >= 2; }
  int GetNodeRows() const { return m_NodeRows; }
  // Insert before and Delete node act only on a node row.
  bool IsCursorOnNode() const;

  // A grid notification: the code and the row and column it names. An edit
  // that leaves a node cell without a number a project holds (the edited
  // one, or one of the rows it adds) changes nothing and names that cell.
  std::optional<NodeCell> OnGridNotify(int code, int row, int column);
  // The first node cell the user left without such a number: OK refuses it.
  std::optional<NodeCell> FindUnreadableNode() const;
  void InsertBefore();
  void DeleteNode();
  void SetClosed(bool checked);

  // The text of a refusal, with the dialog left open; nothing when the edit
  // was filed. `layerZ` is the chosen layer's height, if one is chosen.
  std::optional<std::string> Ok(int conductorIndex, std::optional<double> layerZ);
  void Cancel();

 private:
  struct NodeRow {
    double x = 0.0;  // internal units
    double y = 0.0;
  };

  std::string CellText(int row, int column) const;
  void SetCellText(int row, int column, const std::string& text);
  void ShowRow(int row);
  // In internal units; an empty cell is 0.
  std::optional<double> ReadNodeCell(int row, int column) const;
  void RebuildPolygon();
  void HighlightNode(int node);
  void Repaint();
  int CursorRow() const;

  ProjectDocument& m_Document;
  CConductorPolygon& m_Polygon;
  CConductorPolygon m_Backup;
  double m_LayerZ;
  bool m_NewPolygon;
  GridSend m_grid;
  ViewHooks m_view;
  // The exact values behind the rows, so that a row the user did not touch
  // keeps its value rather than the six digits the grid shows.
  std::vector<NodeRow> m_rows;
  int m_NodeRows = 0;
  bool m_closed = false;
};

}  // namespace quor
