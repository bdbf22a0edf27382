// The open files the DXF writer works on; the driver opens and owns them.
#pragma once

#include <iosfwd>

namespace quor::dxfconv {

struct DxfFiles {
  std::istream& drawingTemplate;  // "quor.dxt"
  std::iostream& scratch;         // the drawing before its header is patched
  std::ostream& output;           // "dxf.tmp"
  std::istream& layerTemplate;    // "layer.dxt"
  std::istream& lineTemplate;     // "line.dxt"
  std::istream& circleTemplate;   // "circle.dxt"
};

}  // namespace quor::dxfconv
