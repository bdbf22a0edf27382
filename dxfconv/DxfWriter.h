// Writes the DXF drawing from the drawing template: the header copied, one
// layer-table entry per model layer plus "frame" and "via", the model's
// entities, the rest of the template, and last the header values patched.
#pragma once

#include "dxfconv/DxfFiles.h"
#include "dxfconv/DxfPair.h"
#include "dxfconv/StepResult.h"

namespace quor::dxfconv {

struct ConverterRecord;

class DxfWriter {
 public:
  // Gives the record's model layers their DXF names.
  DxfWriter(ConverterRecord& record, const DxfFiles& files);

  // Runs the steps below in order; the first that fails ends the writer with its message.
  StepResult write_dxf();

  // Copies the template's header section, which must come first, and takes
  // the handle seed from its "$HANDSEED".
  bool copy_dxf_header();
  // Copies up to the template's first layer entry and puts the model's entries before it.
  bool write_layer_table();
  bool write_layer_entry();
  // Copies the scratch drawing to the output with the header values patched.
  bool finish_dxf_header();

 private:
  void WriteScratch(const DxfPair& pair);
  void CopyRest();

  ConverterRecord& m_record;
  const DxfFiles& m_files;
  DxfPairReader m_drawing;
};

}  // namespace quor::dxfconv
