// Commands whose handlers are not part of the editor yet. The main frame
// disables them, so that no menu item or button looks as if it worked; an id
// leaves this list when the window or document that handles it is built.
#pragma once

#include <span>

namespace quor {

std::span<const int> UnbuiltCommandIds();

}  // namespace quor
