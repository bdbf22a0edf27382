// What the model needs of the layers list (a report-style list with images in
// its cells) to fill it: rows that carry their layer, cells, a selected row.
#pragma once

#include <string>

namespace quor {

class CLayer;

class LayerListControl {
 public:
  static constexpr int kNoImage = -1;

  virtual ~LayerListControl() = default;

  // Inserts a row at position `row` with its first cell and returns its index.
  virtual int InsertRow(int row, const std::string& text, int image, CLayer* layer) = 0;
  virtual void SetCell(int row, int column, const std::string& text, int image) = 0;
  virtual void SelectRow(int row) = 0;
};

}  // namespace quor
