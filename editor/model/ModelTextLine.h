// One line of the model text file: the text, then CR LF, flushed at once so
// the file is complete line by line.
#pragma once

#include <ostream>
#include <string_view>

namespace quor {

void WriteTextLine(std::ostream& out, std::string_view text);

}  // namespace quor
