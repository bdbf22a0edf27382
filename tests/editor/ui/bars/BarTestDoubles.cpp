#include "BarTestDoubles.h"

#include <algorithm>

namespace quor::test {

int FakeLayersControls::InsertRow(int row, const std::string& text, int image, CLayer* layer) {
  rows.insert(rows.begin() + row, Row{layer, std::vector<std::string>(6), std::vector<int>(6, kNoImage)});
  rows[row].texts[0] = text;
  rows[row].images[0] = image;
  return row;
}

void FakeLayersControls::SetCell(int row, int column, const std::string& text, int image) {
  rows.at(row).texts.at(column) = text;
  rows.at(row).images.at(column) = image;
}

int FakeLayersControls::FindRow(const CLayer* layer) const {
  for (std::size_t row = 0; row < rows.size(); ++row) {
    if (rows[row].layer == layer) return static_cast<int>(row);
  }
  return kNoRow;
}

CLayer* FakeLayersControls::RowLayer(int row) const {
  if (row < 0 || row >= static_cast<int>(rows.size())) return nullptr;
  return rows[row].layer;
}

TreeControl::Item FakeTree::InsertItem(const std::string& text, int image, int, Object object, Item parent,
                                       Item insertAfter) {
  if (parent == kRoot) parent = kNoItem;
  const Item item = m_next++;
  m_nodes[item] = Node{text, image, object, parent, {}, false};
  std::vector<Item>& siblings = Siblings(parent);
  const auto after = std::find(siblings.begin(), siblings.end(), insertAfter);
  if (insertAfter == kFirst) {
    siblings.insert(siblings.begin(), item);
  } else if (after != siblings.end()) {
    siblings.insert(after + 1, item);
  } else {
    siblings.push_back(item);
  }
  return item;
}

void FakeTree::DeleteAllItems() {
  m_nodes.clear();
  m_roots.clear();
  selection = kNoItem;
}

void FakeTree::Erase(Item item) {
  for (Item child : m_nodes.at(item).children) Erase(child);
  if (selection == item) selection = kNoItem;
  m_nodes.erase(item);
}

void FakeTree::DeleteItem(Item item) {
  std::vector<Item>& siblings = Siblings(m_nodes.at(item).parent);
  siblings.erase(std::find(siblings.begin(), siblings.end(), item));
  Erase(item);
}

TreeControl::Item FakeTree::GetFirstChild(Item item) const {
  const std::vector<Item>& children = m_nodes.at(item).children;
  return children.empty() ? kNoItem : children.front();
}

TreeControl::Item FakeTree::GetNextSibling(Item item) const {
  const std::vector<Item>& siblings = Siblings(m_nodes.at(item).parent);
  const auto at = std::find(siblings.begin(), siblings.end(), item);
  return at + 1 == siblings.end() ? kNoItem : *(at + 1);
}

void FakeTree::AddLines(Item item, int depth, std::vector<std::string>& lines) const {
  lines.push_back(std::string(2 * depth, ' ') + m_nodes.at(item).text);
  for (Item child : m_nodes.at(item).children) AddLines(child, depth + 1, lines);
}

std::vector<std::string> FakeTree::Lines() const {
  std::vector<std::string> lines;
  for (Item root : m_roots) AddLines(root, 0, lines);
  return lines;
}

TreeControl::Item FakeTree::Find(const std::string& text) const {
  for (const auto& [item, node] : m_nodes) {
    if (node.text == text) return item;
  }
  return kNoItem;
}

}  // namespace quor::test
