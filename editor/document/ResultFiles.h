// The result files of a saved project: they share the project's base path
// (its path without the file extension) and differ by their extensions.
#pragma once

#include <string>

namespace quor {

// The path cut at the last '.' of its file name; the whole path when the file
// name has none (a dot in a directory name does not count).
std::string BasePathOf(const std::string& path);
bool HasExtension(const std::string& path);

bool FileExists(const std::string& path);
// Both paths name one file, also through a link or another spelling.
bool IsSameFile(const std::string& first, const std::string& second);
// Removes the file; a missing file or a failure is no error.
void DeleteFileQuietly(const std::string& path);

// The Touchstone extension for a number of ports: "y%dp" below 10, "y%d" from
// 10 on; a negative count is taken as 0.
std::string TouchstoneExtension(int ports);

// Deletes the listing, the capacitance and circuit files and every Touchstone
// file (0 to 20 ports) that exist; missing files are no error.
void DeleteResultFilesAt(const std::string& basePath);

}  // namespace quor
