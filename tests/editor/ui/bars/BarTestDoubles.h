// Fakes for the bars' logic: a view over a test document, recorded prompts,
// and in-memory stand-ins for the layer combo, the layers list and the tree.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "editor/ui/bars/BarView.h"
#include "editor/ui/bars/InfoBarControls.h"
#include "editor/ui/bars/LayersWindowControls.h"
#include "editor/ui/bars/ProjectTreeControls.h"

namespace quor::test {

class FakeBarView : public BarView {
 public:
  explicit FakeBarView(ProjectDocument& document) : m_document(document) {}

  ProjectDocument& GetProjectDocument() const override { return m_document; }
  double GetActiveZ() const override { return activeZ; }
  void RunViewCommand(int id) override { commands.push_back(id); }
  void SetActiveLayer(double z) override {
    activeZ = z;
    activeLayerCalls.push_back(z);
  }
  void ClearSelection() override { selection.clear(); }
  void AddToSelection(CShape& shape) override { selection.push_back(&shape); }
  void Repaint() override { ++repaints; }

  double activeZ = 0.0;
  std::vector<double> activeLayerCalls;
  std::vector<CShape*> selection;
  std::vector<int> commands;
  int repaints = 0;

 private:
  ProjectDocument& m_document;
};

class FakeInfoBarControls : public InfoBarControls {
 public:
  int AddEntry(const std::string&, CLayer* layer) override {
    entries.push_back(layer);
    return static_cast<int>(entries.size()) - 1;
  }
  void SetSelection(int index) override { selected = index; }
  void SetCoordinateTexts(const std::string& xText, const std::string& yText) override {
    x = xText;
    y = yText;
  }
  void ResetContent() override {
    entries.clear();
    selected = -1;
  }
  void RedrawList() override { ++redraws; }

  std::vector<CLayer*> entries;
  int selected = -1;
  std::string x;
  std::string y;
  int redraws = 0;
};

class FakeLayersControls : public LayersWindowControls {
 public:
  struct Row {
    CLayer* layer;
    std::vector<std::string> texts;
    std::vector<int> images;
  };

  int InsertRow(int row, const std::string& text, int image, CLayer* layer) override;
  void SetCell(int row, int column, const std::string& text, int image) override;
  void SelectRow(int row) override { selected = row; }
  void DeleteAllRows() override {
    rows.clear();
    selected = kNoRow;
  }
  int FindRow(const CLayer* layer) const override;
  CLayer* RowLayer(int row) const override;
  int FirstSelectedRow() const override { return selected; }
  void RedrawRow(int row) override { redrawn.push_back(row); }
  void EnableWindow(bool enable) override { enabled.push_back(enable); }
  std::optional<COLORREF> PickColour(COLORREF colour) override {
    offeredColour = colour;
    return pickedColour;
  }

  std::vector<Row> rows;
  int selected = kNoRow;
  std::vector<int> redrawn;
  std::vector<bool> enabled;
  COLORREF offeredColour = 0;
  std::optional<COLORREF> pickedColour;
};

class FakeTree : public ProjectTreeControls {
 public:
  Item InsertItem(const std::string& text, int image, int selectedImage, Object object, Item parent,
                  Item insertAfter) override;
  void DeleteAllItems() override;
  void DeleteItem(Item item) override;
  Item GetFirstRoot() const override { return m_roots.empty() ? kNoItem : m_roots.front(); }
  Item GetFirstChild(Item item) const override;
  Item GetNextSibling(Item item) const override;
  Item GetParent(Item item) const override { return m_nodes.at(item).parent; }
  Object GetObject(Item item) const override { return m_nodes.at(item).object; }
  int GetImage(Item item) const override { return m_nodes.at(item).image; }
  Item GetSelection() const override { return selection; }
  void SelectItem(Item item) override { selection = item; }
  void ClearSelection() override { selection = kNoItem; }
  bool IsExpanded(Item item) const override { return m_nodes.at(item).expanded; }
  void Expand(Item item) override { m_nodes.at(item).expanded = true; }
  void Repaint() override { ++repaints; }

  void Collapse(Item item) { m_nodes.at(item).expanded = false; }
  std::string Text(Item item) const { return m_nodes.at(item).text; }
  // One line per item in display order, indented two blanks per level.
  std::vector<std::string> Lines() const;
  // The item with this text, or kNoItem.
  Item Find(const std::string& text) const;

  Item selection = kNoItem;
  int repaints = 0;

 private:
  struct Node {
    std::string text;
    int image;
    Object object;
    Item parent;
    std::vector<Item> children;
    bool expanded = false;
  };
  std::vector<Item>& Siblings(Item parent) {
    return parent == kNoItem ? m_roots : m_nodes.at(parent).children;
  }
  const std::vector<Item>& Siblings(Item parent) const {
    return parent == kNoItem ? m_roots : m_nodes.at(parent).children;
  }
  void AddLines(Item item, int depth, std::vector<std::string>& lines) const;
  void Erase(Item item);

  std::map<Item, Node> m_nodes;
  std::vector<Item> m_roots;
  Item m_next = 1;
};

}  // namespace quor::test
