// Where the editor's profile file lives: under the user's XDG configuration
// directory, so that a test (or a user) can move it with XDG_CONFIG_HOME.
#pragma once

#include <filesystem>

namespace quor {

// quor.conf in the user's configuration directory.
std::filesystem::path DefaultProfilePath();

}  // namespace quor
