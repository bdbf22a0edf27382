// Saving a wxFileConfig without its own flush, which replaces a linked file by
// a plain one and removes the old file before the new one is in place.
#pragma once

#include <filesystem>

class wxFileConfig;

namespace quor {

// Writes every value of the configuration to the file in one step (see
// ReplaceFile), making its folder first; false when it could not be saved.
bool SaveFileConfig(wxFileConfig& config, const std::filesystem::path& path);

}  // namespace quor
