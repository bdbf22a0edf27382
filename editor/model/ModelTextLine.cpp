#include "editor/model/ModelTextLine.h"

namespace quor {

void WriteTextLine(std::ostream& out, std::string_view text) {
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.write("\r\n", 2);
  out.flush();
}

}  // namespace quor
