// Whole-file transfer for archives: a project file is read into memory before
// it is loaded, and written in one piece after it was stored.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace quor {

// Throws ArchiveException(Generic) naming the file when it cannot be read.
std::vector<std::uint8_t> ReadArchiveFile(const std::filesystem::path& path);

// Creates or replaces the file in one step (see ReplaceFile): a save that
// fails leaves the old file as it was. Throws ArchiveException(Generic)
// naming the file and the reason when it cannot be written completely.
void WriteArchiveFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

}  // namespace quor
