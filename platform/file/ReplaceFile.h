// Replaces a file the user keeps so that it holds either all its old bytes or
// all the new ones, whatever fails midway (a full disk, a quota, a crash).
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <system_error>

namespace quor {

// Writes the bytes to a new file in the target's folder, syncs it and renames
// it over the target; a symbolic link is followed, so the file it names is
// replaced and the link stays. A replaced file keeps its permission bits. On
// failure the new file is removed, the target is untouched and the reason is
// returned; an empty code means success. New files that an earlier call for
// the same target left when its process was killed midway are removed first.
std::error_code ReplaceFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

}  // namespace quor
