#include "editor/grid/GridCellStore.h"

#include <cctype>
#include <charconv>
#include <cstdio>

#include "editor/grid/GridMessages.h"

namespace quor::grid {

namespace {

constexpr std::size_t kKeyLength = 9;
constexpr std::size_t kProtectionAt = 10;
constexpr std::size_t kKindAt = 11;
constexpr std::size_t kTextAt = 13;
// Below this many items the list's own prefix search is used.
constexpr std::size_t kBinarySearchFrom = 12;

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

}  // namespace

std::string GridCellStore::Key(const GridCellRef& ref) {
  char key[32];
  std::snprintf(key, sizeof key, "%05d-%03d", ref.row, ref.column);
  return key;
}

char GridCellStore::ClassifyCellText(std::string_view text) {
  const std::string upper = Upper(text);
  if (upper == "TRUE") return 'T';
  if (upper == "FALSE") return 'F';
  if (!upper.empty() && upper[0] == '~') return 'G';
  bool hasDigit = false;
  bool bad = false;
  int exponents = 0, points = 0, pluses = 0, minuses = 0;
  for (const char ch : upper) {
    const auto c = static_cast<unsigned char>(ch);
    // Bytes above 127 are letters of some encoding: text.
    if (c > 127) return 'A';
    if (std::isdigit(c)) {
      hasDigit = true;
    } else if (std::isspace(c)) {
      bad = true;
    } else if (c == '.') {
      ++points;
    } else if (c == '+') {
      ++pluses;
    } else if (c == '-') {
      ++minuses;
    }
    if (std::isalpha(c)) {
      if (c != 'E') return 'A';
      ++exponents;
    }
  }
  const bool number = hasDigit && !bad && exponents < 2 && points < 2 && pluses <= 2 && minuses <= 2;
  return number ? 'N' : 'A';
}

int GridCellStore::KindOfLetter(char letter) {
  switch (letter) {
    case 'A':
      return kKindText;
    case 'N':
      return kKindNumber;
    case 'T':
      return kKindChecked;
    case 'F':
      return kKindUnchecked;
    case 'G':
      return kKindOwnerDrawn;
    default:
      return 0;
  }
}

std::optional<std::size_t> GridCellStore::Find(const GridCellRef& ref) const {
  const std::string key = Key(ref);
  const std::size_t count = m_list.GetCount();
  if (count == 0) return std::nullopt;
  if (count < kBinarySearchFrom) return m_list.FindStringPrefix(key);
  const auto prefix = [&](std::size_t index) {
    return std::string_view(m_list.GetText(index)).substr(0, kKeyLength);
  };
  const std::size_t last = count - 1;
  if (key == prefix(0)) return 0;
  if (key < prefix(0)) return std::nullopt;
  if (key == prefix(last)) return last;
  if (key > prefix(last)) return std::nullopt;
  std::size_t low = 0;
  std::size_t high = last;
  while (high - low >= 2) {
    const std::size_t middle = low + (high - low) / 2;
    const std::string_view probe = prefix(middle);
    if (probe == key) return middle;
    if (probe < key) {
      low = middle;
    } else {
      high = middle;
    }
  }
  return std::nullopt;
}

const std::string* GridCellStore::Item(const GridCellRef& ref) const {
  const auto index = Find(ref);
  return index ? &m_list.GetText(*index) : nullptr;
}

void GridCellStore::Write(const GridCellRef& ref, char protection, std::string_view text) {
  Delete(ref);
  std::string item = Key(ref);
  item += '|';
  item += protection;
  item += ClassifyCellText(text);
  item += '|';
  item += text;
  m_list.AddString(std::move(item));
}

std::string GridCellStore::Text(const GridCellRef& ref) const {
  const std::string* item = Item(ref);
  return item && item->size() > kTextAt ? item->substr(kTextAt) : std::string();
}

int GridCellStore::Kind(const GridCellRef& ref) const {
  const std::string* item = Item(ref);
  return item && item->size() > kKindAt ? KindOfLetter((*item)[kKindAt]) : 0;
}

bool GridCellStore::IsProtected(const GridCellRef& ref) const {
  const std::string* item = Item(ref);
  return item && item->size() > kProtectionAt && (*item)[kProtectionAt] == 'P';
}

void GridCellStore::SetProtection(const GridCellRef& ref, bool isProtected) {
  const auto index = Find(ref);
  if (!index) {
    m_list.AddString(Key(ref) + (isProtected ? "|PA|" : "|UA|"));
    return;
  }
  std::string item = m_list.GetText(*index);
  item[kProtectionAt] = isProtected ? 'P' : 'U';
  m_list.DeleteString(*index);
  m_list.AddString(std::move(item));
}

void GridCellStore::Delete(const GridCellRef& ref) {
  if (const auto index = Find(ref)) m_list.DeleteString(*index);
}

int GridCellStore::LastRow() const {
  if (Empty()) return 0;
  const std::string& last = m_list.GetText(m_list.GetCount() - 1);
  int row = 0;
  const auto [end, error] =
      std::from_chars(last.data(), last.data() + std::min<std::size_t>(5, last.size()), row);
  return error == std::errc() ? row : 0;
}

}  // namespace quor::grid
