// Commands whose handlers are not part of the editor yet. The main frame
// disables them, so that no menu item or button looks as if it worked; an id
// leaves this list when the window or document that handles it is built.
#pragma once

#include <span>

namespace quor {

std::span<const int> UnbuiltCommandIds();

// Commands that only an open project's view or document handles; the main
// frame disables them while no project answers for them.
std::span<const int> ProjectCommandIds();

}  // namespace quor
