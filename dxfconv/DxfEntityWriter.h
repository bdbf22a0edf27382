// Writes the model's geometry into the template's entities section as LINE
// and CIRCLE entities: polygon edges on their layers, a wire-frame box of the
// footprint on "frame" and each via's walls and end circles on "via".
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "dxfconv/DxfFiles.h"
#include "dxfconv/DxfPair.h"

namespace quor::dxfconv {

struct ConverterRecord;

class DxfEntityWriter {
 public:
  DxfEntityWriter(ConverterRecord& record, const DxfFiles& files);

  // Copies the template on up to the end of its entities section and inserts
  // the model's entities there; resets and gathers the drawing extents.
  bool write_entities_section();
  bool write_model_entities();

  void write_line_entity(float x1, float y1, float z1, float x2, float y2, float z2, std::string_view layer);
  void write_circle_entity(float x, float y, float z, float radius, std::string_view layer);

 private:
  void WritePolygonEdges();
  void WriteFootprintBox();
  void WriteViaWalls();
  void WriteViaCircles();
  // Fills the handle, the layer and, from position 7 on, the numbers, and writes the template.
  void WriteEntity(std::string_view layer, std::initializer_list<float> numbers);
  void Widen(float x, float y);

  ConverterRecord& m_record;
  const DxfFiles& m_files;
  std::vector<DxfPair> m_template;  // the line template, then the circle template
};

}  // namespace quor::dxfconv
