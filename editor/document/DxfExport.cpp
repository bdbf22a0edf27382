#include "editor/document/DxfExport.h"

#include <stdlib.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>

#include "editor/model/CStructure.h"
#include "platform/paths/TemporaryDirectory.h"
#include "platform/process/ChildProcess.h"

namespace quor {

namespace {

namespace fs = std::filesystem;

constexpr const char* kConverter = "quor_dxf_conv";
// The templates the converter opens, all required, and its optional colour table.
constexpr std::array<std::string_view, 7> kConverterFiles = {
    "quor.dxt", "layer.dxt", "line.dxt", "circle.dxt", "poly2d.dxt", "poly3d.dxt", "colorcodes.cnv"};
// The status line is read into a buffer of this many characters, its end included.
constexpr std::size_t kStatusBuffer = 300;

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

std::string ReadStatusLine(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::string line;
  std::getline(in, line);
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (line.size() >= kStatusBuffer) line.resize(kStatusBuffer - 1);
  return line;
}

// Replaces the target by the drawing in one step, so that the target holds
// either the old file or the whole new one. Across file systems the drawing
// is copied beside the target first.
bool MoveOnto(const fs::path& drawing, const fs::path& target) {
  std::error_code error;
  fs::rename(drawing, target, error);
  if (error != std::errc::cross_device_link) return !error;
  std::string staged = (target.parent_path() / ".quor-export-XXXXXX").string();
  const int fd = mkstemp(staged.data());
  if (fd < 0) return false;
  close(fd);
  fs::copy_file(drawing, staged, fs::copy_options::overwrite_existing, error);
  if (!error) fs::rename(staged, target, error);
  if (!error) return true;
  std::error_code ignored;
  fs::remove(staged, ignored);
  return false;
}

}  // namespace

DxfExport::DxfExport(std::string programDirectory, std::chrono::milliseconds timeLimit)
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
      ChildProcess::Start(m_programDirectory + kConverter, {}, work.Path().string());
  if (!converter) return std::string("Starting ") + kConverter + " failed";
  if (!converter->WaitFor(m_timeLimit)) return "Time-out interval elapsed";
  const std::string status = ReadStatusLine(work.Path() / "quor_dxf_conv.err");
  if (status.find("Completed") == std::string::npos) return status;
  if (!MoveOnto(work.Path() / "dxf.tmp", target)) return "Could not rename file dxf.tmp";
  return "Completed";
}

}  // namespace quor
