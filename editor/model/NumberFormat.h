// Numbers as text the way printf's "%.<precision>g" writes them in the classic
// "C" locale, whatever locale the process runs under.
#pragma once

#include <string>

namespace quor {

std::string FormatDouble(double value, int precision);

}  // namespace quor
