// Files and folders for the converter tests.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "support/RunCommand.h"
#include "support/TempDir.h"
#include "support/TestFiles.h"

namespace quor::dxfconv::test {

using quor::test::CommandResult;
using quor::test::ReadFile;
using quor::test::RunCommand;
using quor::test::TempDir;
using quor::test::WriteFile;

std::filesystem::path TemplateSource();

inline constexpr std::array<const char*, 6> kTemplateNames = {"quor.dxt",   "poly2d.dxt", "poly3d.dxt",
                                                              "circle.dxt", "layer.dxt",  "line.dxt"};

// The template of this name in the source tree, as text.
std::string TemplateText(std::string_view name);
// Copies the six templates from a folder (by default the source tree's) into directory.
void CopyTemplates(const std::filesystem::path& directory,
                   const std::filesystem::path& from = TemplateSource());

// The group codes and values of a DXF text, read without the converter's own reader.
using Pairs = std::vector<std::pair<int, std::string>>;
Pairs ParseDxf(const std::string& text);

// The lines of a text file without their line ends.
std::vector<std::string> Lines(const std::string& text);

}  // namespace quor::dxfconv::test
