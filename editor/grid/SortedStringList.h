// The cell store's container: a sorted list of strings with the list box's
// operations (add in sorted place, prefix search, read, delete, reset).
// Ordering and prefix search ignore case, as a sorted list box does.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quor::grid {

class SortedStringList {
 public:
  // Returns the index the string was put at.
  std::size_t AddString(std::string item);
  // The first item that begins with the prefix.
  std::optional<std::size_t> FindStringPrefix(std::string_view prefix) const;
  const std::string& GetText(std::size_t index) const { return m_items.at(index); }
  void DeleteString(std::size_t index);
  void ResetContent() { m_items.clear(); }
  std::size_t GetCount() const { return m_items.size(); }

 private:
  std::vector<std::string> m_items;
};

}  // namespace quor::grid
