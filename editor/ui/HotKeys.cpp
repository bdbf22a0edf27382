#include "editor/ui/HotKeys.h"

namespace quor {

std::string WithKey(std::string_view text, const HotKey& key) {
  std::string result(text);
  if (!key.label.empty()) result.append("\t").append(key.label);
  return result;
}

std::string NameKey(std::string_view text, const HotKey& key) {
  constexpr std::string_view kMark = "{key}";
  std::string result;
  std::size_t from = 0;
  for (std::size_t at = text.find(kMark); at != std::string_view::npos; at = text.find(kMark, from)) {
    result.append(text.substr(from, at - from)).append(key.spoken);
    from = at + kMark.size();
  }
  return result.append(text.substr(from));
}

}  // namespace quor
