// The per-user places where our programs keep what they cannot keep beside
// themselves: settings, logs and the files that live only while a program
// runs. Each follows the XDG base-directory rules, so a test (or a user) can
// move it with the XDG variables; a relative value in one of them is ignored,
// as those rules ask.
#pragma once

#include <filesystem>

namespace quor {

// $HOME when it is an absolute path, else the account's home directory from
// the password database, else the current directory.
std::filesystem::path HomeDirectory();

// $XDG_CONFIG_HOME/quor, else <home>/.config/quor.
std::filesystem::path UserConfigDirectory();

// $XDG_STATE_HOME/quor, else <home>/.local/state/quor.
std::filesystem::path UserStateDirectory();

// $XDG_RUNTIME_DIR/quor, else /tmp/quor-<uid>, created with mode 0700 when
// missing. Sockets and locks there must not be reachable by other users, so
// a directory that is not ours alone (one another user made in /tmp) is not
// used: <home>/.quor-run takes its place.
std::filesystem::path UserRuntimeDirectory();

}  // namespace quor
