// The grid's cells, one item string per stored cell: the key "%05d-%03d"
// (row, column), "|", the protection letter (P/U), the kind letter
// (A text, N number, T/F check box on/off, G owner-drawn), "|", the text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "editor/grid/GridCellRef.h"
#include "editor/grid/SortedStringList.h"

namespace quor::grid {

class GridCellStore {
 public:
  // The kind letter of a text.
  static char ClassifyCellText(std::string_view text);
  // Kind number of a kind letter (1..5), 0 for anything else.
  static int KindOfLetter(char letter);
  static std::string Key(const GridCellRef& ref);

  // Replaces the cell's item: the protection letter given, the kind of the text.
  void Write(const GridCellRef& ref, char protection, std::string_view text);
  // An absent cell reads as the empty text, unprotected, kind 0.
  std::string Text(const GridCellRef& ref) const;
  int Kind(const GridCellRef& ref) const;
  bool IsProtected(const GridCellRef& ref) const;
  // An absent cell is created as an empty text cell.
  void SetProtection(const GridCellRef& ref, bool isProtected);
  void Delete(const GridCellRef& ref);
  void Clear() { m_list.ResetContent(); }
  bool Empty() const { return m_list.GetCount() == 0; }
  std::size_t Count() const { return m_list.GetCount(); }
  // The row of the last item, which holds the highest row.
  int LastRow() const;
  // The cell's whole item string; null when the cell is absent.
  const std::string* Item(const GridCellRef& ref) const;

 private:
  std::optional<std::size_t> Find(const GridCellRef& ref) const;

  SortedStringList m_list;
};

}  // namespace quor::grid
