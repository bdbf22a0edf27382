#include "editor/grid/SortedStringList.h"

#include <algorithm>
#include <cctype>

namespace quor::grid {

namespace {

int Fold(char c) {
  return std::tolower(static_cast<unsigned char>(c));
}

bool LessIgnoringCase(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) { return Fold(x) < Fold(y); });
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), text.begin(),
                                                    [](char x, char y) { return Fold(x) == Fold(y); });
}

}  // namespace

std::size_t SortedStringList::AddString(std::string item) {
  const auto at =
      std::upper_bound(m_items.begin(), m_items.end(), item,
                       [](const std::string& a, const std::string& b) { return LessIgnoringCase(a, b); });
  return static_cast<std::size_t>(m_items.insert(at, std::move(item)) - m_items.begin());
}

std::optional<std::size_t> SortedStringList::FindStringPrefix(std::string_view prefix) const {
  const auto it = std::find_if(m_items.begin(), m_items.end(),
                               [&](const std::string& item) { return StartsWithIgnoringCase(item, prefix); });
  if (it == m_items.end()) return std::nullopt;
  return static_cast<std::size_t>(it - m_items.begin());
}

void SortedStringList::DeleteString(std::size_t index) {
  if (index < m_items.size()) m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(index));
}

}  // namespace quor::grid
