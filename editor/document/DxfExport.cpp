#include "editor/document/DxfExport.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>
#include <system_error>
#include <vector>

#include "editor/model/CStructure.h"
#include "platform/file/ReplaceFile.h"
#include "platform/paths/TemporaryDirectory.h"
#include "platform/process/ChildProcess.h"

namespace quor {

namespace {

namespace fs = std::filesystem;

constexpr const char* kConverter = "quor_dxf_conv";
// The templates the converter opens, all required, and its optional colour table.
constexpr std::array<std::string_view, 7> kConverterFiles = {
    "quor.dxt", "layer.dxt", "line.dxt", "circle.dxt", "poly2d.dxt", "poly3d.dxt", "colorcodes.cnv"};

bool WriteModelText(const fs::path& path, const CStructure& model, const DocumentSettings& settings) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  model.WriteText(out, settings);
  out.close();
  return !out.fail();
}

// The converter reads its files from its working directory; a file the
// program directory lacks is left out, for the converter to report.
void LinkConverterFiles(const fs::path& programDirectory, const fs::path& work) {
  for (const std::string_view name : kConverterFiles) {
    std::error_code ignored;
    if (fs::exists(programDirectory / name, ignored))
      fs::create_symlink(programDirectory / name, work / name, ignored);
  }
}

// The converter's status: its first line says whether it completed; what
// follows explains a failure. Trailing blanks pad the converter's messages.
std::vector<std::string> ReadStatusLines(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    line.erase(line.find_last_not_of(" \t\r") + 1);
    if (!line.empty() || lines.empty()) lines.push_back(std::move(line));
  }
  return lines;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    if (!text.empty()) text += '\n';
    text += line;
  }
  return text;
}

// The target holds either the old file or the whole drawing, and a file kept
// behind a link stays there.
bool MoveOnto(const fs::path& drawing, const fs::path& target) {
  std::ifstream in(drawing, std::ios::binary);
  if (!in) return false;
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  return !in.bad() && !ReplaceFile(target, bytes);
}

}  // namespace

DxfExport::DxfExport(std::filesystem::path programDirectory, std::chrono::milliseconds timeLimit)
    : m_programDirectory(std::move(programDirectory)), m_timeLimit(timeLimit) {}

std::string DxfExport::Run(const CStructure& model, const DocumentSettings& settings,
                           const std::string& target) const {
  const TemporaryDirectory work("quor-export-");
  if (work.Path().empty() || !WriteModelText(work.Path() / "quor.tmp", model, settings)) {
    return "Could not write file quor.tmp";
  }
  LinkConverterFiles(m_programDirectory, work.Path());
  // Declared after the directory, so that a converter still running is ended
  // before its directory is removed.
  const std::unique_ptr<ChildProcess> converter =
      ChildProcess::Start((m_programDirectory / kConverter).string(), {}, work.Path().string());
  if (!converter) return std::string("Starting ") + kConverter + " failed";
  if (!converter->WaitFor(m_timeLimit)) return "Time-out interval elapsed";
  const std::vector<std::string> status = ReadStatusLines(work.Path() / "quor_dxf_conv.err");
  if (status.empty() || status.front().find("Completed") == std::string::npos) return Joined(status);
  if (!MoveOnto(work.Path() / "dxf.tmp", target)) return "Could not rename file dxf.tmp";
  return "Completed";
}

}  // namespace quor
