#include "dxfconv/DxfWriter.h"

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "dxfconv/ConverterRecord.h"
#include "dxfconv/DxfEntityWriter.h"
#include "dxfconv/DxfHeaderPatch.h"
#include "dxfconv/DxfLayerNames.h"
#include "dxfconv/DxfNumbers.h"

namespace quor::dxfconv {

namespace {

using Result = DxfPairReader::Result;

constexpr std::size_t kLayerTemplatePairs = 11;
// Positions (0-based) of the values a layer entry gets.
constexpr std::size_t kLayerHandle = 1;
constexpr std::size_t kLayerName = 5;
constexpr std::size_t kLayerColour = 7;
// DXF colour numbers of the converter's own layers: red and green.
constexpr int kFrameColour = 1;
constexpr int kViaColour = 3;

}  // namespace

DxfWriter::DxfWriter(ConverterRecord& record, const DxfFiles& files)
    : m_record(record), m_files(files), m_drawing(files.drawingTemplate, kDrawingValueLength) {
  m_record.layerNames = MakeDxfLayerNames(m_record.model);
}

void DxfWriter::WriteScratch(const DxfPair& pair) {
  WriteDxfPair(m_files.scratch, pair);
}

StepResult DxfWriter::write_dxf() {
  // A step also fails when the scratch file could not take what it wrote.
  if (!copy_dxf_header() || !m_files.scratch) return StepResult::Failure("Error reading header");
  if (!write_layer_table() || !m_files.scratch) return StepResult::Failure("Error parsing layers");
  DxfEntityWriter entities(m_record, m_files);
  if (!entities.write_entities_section() || !m_files.scratch) {
    return StepResult::Failure("Error parsing entities");
  }
  CopyRest();
  m_files.scratch.seekg(0);
  if (!m_files.scratch || !finish_dxf_header()) return StepResult::Failure("Error updating header");
  return StepResult::Success();
}

bool DxfWriter::copy_dxf_header() {
  enum class Header { kNotSeen, kOpen, kDone };
  Header header = Header::kNotSeen;
  bool inSection = false;
  bool afterSeed = false;
  DxfPair pair;
  while (m_drawing.Read(pair) == Result::kPair) {
    if (pair.Is(0, "SECTION")) {
      inSection = true;
    } else if (pair.Is(0, "ENDSEC")) {
      WriteScratch(pair);
      return header == Header::kDone;
    } else if (pair.code == 2 && inSection && header == Header::kNotSeen) {
      if (pair.value == "HEADER") header = Header::kOpen;
    } else if (header == Header::kOpen && pair.Is(9, "$HANDSEED")) {
      afterSeed = true;
    } else if (header == Header::kOpen && afterSeed && pair.code == 5) {
      const std::optional<std::int64_t> seed = ParseHandle(pair.value);
      if (!seed) return false;
      m_record.nextHandle = *seed;
      header = Header::kDone;
      afterSeed = false;
    }
    WriteScratch(pair);
  }
  return false;
}

bool DxfWriter::write_layer_table() {
  DxfPair pair;
  while (m_drawing.Read(pair) == Result::kPair) {
    // The table's first entry, not the group-2 pair that names the table.
    if (pair.Is(0, "LAYER")) {
      const bool ok = write_layer_entry();
      WriteScratch(pair);
      return ok;
    }
    WriteScratch(pair);
  }
  return false;
}

bool DxfWriter::write_layer_entry() {
  std::vector<DxfPair> entry;
  if (!ReadDxfTemplate(m_files.layerTemplate, kLayerTemplatePairs, entry)) return false;
  const auto writeEntry = [&](std::string_view name, int colour) {
    entry[kLayerHandle].value = m_record.TakeHandle();
    entry[kLayerName].value = name;
    entry[kLayerColour].value = FormatInteger(colour);
    for (const DxfPair& pair : entry) WriteScratch(pair);
  };
  const auto& layers = m_record.model.layers;
  for (std::size_t i = 0; i < layers.size(); ++i) writeEntry(m_record.layerNames[i], layers[i].colourCode);
  writeEntry(kFrameLayerName, kFrameColour);
  writeEntry(kViaLayerName, kViaColour);
  return true;
}

void DxfWriter::CopyRest() {
  DxfPair pair;
  while (m_drawing.Read(pair) == Result::kPair) WriteScratch(pair);
}

bool DxfWriter::finish_dxf_header() {
  DxfPairReader scratch(m_files.scratch, kDrawingValueLength);
  DxfHeaderPatch patch({m_record.nextHandle, m_record.xmin, m_record.xmax, m_record.ymin, m_record.ymax});
  DxfPair pair;
  for (;;) {
    switch (scratch.Read(pair)) {
      case Result::kEnd:
        // The drawing is complete only if every pair reached the output.
        return static_cast<bool>(m_files.output.flush());
      case Result::kBad:
        return false;
      case Result::kPair:
        break;
    }
    patch.Apply(pair);
    WriteDxfPair(m_files.output, pair);
  }
}

}  // namespace quor::dxfconv
