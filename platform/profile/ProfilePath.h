// Where the editor's profile file lives: under the user's XDG configuration
// directory, so that a test (or a user) can move it with XDG_CONFIG_HOME.
#pragma once

#include <filesystem>

namespace quor {

// $XDG_CONFIG_HOME/quor/quor.conf when XDG_CONFIG_HOME is an absolute path,
// else $HOME/.config/quor/quor.conf.
std::filesystem::path DefaultProfilePath();

}  // namespace quor
