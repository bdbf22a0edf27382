// The status-bar prompt and toolbar tooltip of each command that has one.
#pragma once

#include <string>

namespace quor {

struct CommandPrompt {
  std::string prompt;   // shown in the status bar while the item is highlighted
  std::string tooltip;  // shown over a toolbar button; may be empty
};

// The prompt of a command id; both texts empty for an id without one.
CommandPrompt GetCommandPrompt(int id);

}  // namespace quor
