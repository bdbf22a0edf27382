#include "editor/model/NumberFormat.h"

#include <array>
#include <charconv>

namespace quor {

std::string FormatDouble(double value, int precision) {
  // to_chars never consults the locale; its general format with a precision is
  // defined as printf's %g.
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::general, precision);
  return std::string(buffer.data(), result.ptr);
}

}  // namespace quor
