// Tests and cuts applied to the listing path named on the command line.
#pragma once

#include <string>

namespace quor {

// True when the path names an existing directory entry.
bool FileExists(const std::string& path);

// True when the text after the last "." is exactly "lst"; false without a ".".
bool HasLstExtension(const std::string& path);

// The path cut at its last "."; the path itself when it has none.
std::string BasePathOf(const std::string& path);

}  // namespace quor
