#include "dxfconv/QuorDxfConvMain.h"

#include <array>
#include <fstream>
#include <string>
#include <string_view>

#include "dxfconv/ConverterRecord.h"
#include "dxfconv/DxfWriter.h"
#include "dxfconv/ModelInput.h"
#include "dxfconv/ScratchFile.h"

namespace quor::dxfconv {

namespace {

constexpr std::size_t kMessageLength = 80;

// The templates in the order they are opened; the first that is missing is named.
enum Template { kDrawing, kPoly2d, kPoly3d, kCircle, kLayer, kLine, kTemplateCount };
constexpr std::array<std::string_view, kTemplateCount> kTemplateNames = {
    "quor.dxt", "poly2d.dxt", "poly3d.dxt", "circle.dxt", "layer.dxt", "line.dxt"};

// The status file holds one or two lines, each a blank and then the text.
class StatusFile {
 public:
  explicit StatusFile(const std::filesystem::path& path) : m_out(path, std::ios::binary | std::ios::trunc) {}

  bool IsOpen() const { return m_out.is_open(); }
  void Line(std::string_view text) { m_out << ' ' << text << '\n'; }
  // A step's message, left-justified in its 80 characters.
  void Message(std::string text) {
    if (text.size() < kMessageLength) text.resize(kMessageLength, ' ');
    Line(text);
  }

 private:
  std::ofstream m_out;
};

bool ReadModel(const std::filesystem::path& directory, ConverterRecord& record, StatusFile& status) {
  std::ifstream modelText(directory / "quor.tmp", std::ios::binary);
  if (!modelText) {
    status.Line("Cannot open input file");
    return false;
  }
  const StepResult read = read_model_input(modelText, directory / "colorcodes.cnv", record);
  if (read.status == 0) return true;
  status.Line("Error reading input file quor.tmp");
  status.Message(read.message);
  return false;
}

void WriteDrawing(const std::filesystem::path& directory, ConverterRecord& record, StatusFile& status) {
  ScratchFile scratch;
  if (!scratch.IsOpen()) return status.Line("Cannot open scratch file");
  std::ofstream output(directory / "dxf.tmp", std::ios::binary | std::ios::trunc);
  if (!output) return status.Line("Cannot open output file");
  std::array<std::ifstream, kTemplateCount> templates;
  for (std::size_t t = 0; t < templates.size(); ++t) {
    templates[t].open(directory / kTemplateNames[t], std::ios::binary);
    if (!templates[t]) return status.Line("Cannot open template file " + std::string(kTemplateNames[t]));
  }
  const DxfFiles files{templates[kDrawing], scratch.Stream(), output,
                       templates[kLayer],   templates[kLine], templates[kCircle]};
  const StepResult written = DxfWriter(record, files).write_dxf();
  if (written.status == 0) return status.Line("Completed");
  status.Line("Error writing output file DXF.tmp");
  status.Message(written.message);
}

}  // namespace

void quor_dxf_conv_main(const std::filesystem::path& directory) {
  StatusFile status(directory / "quor_dxf_conv.err");
  if (!status.IsOpen()) return;
  ConverterRecord record;
  if (ReadModel(directory, record, status)) WriteDrawing(directory, record, status);
}

}  // namespace quor::dxfconv
