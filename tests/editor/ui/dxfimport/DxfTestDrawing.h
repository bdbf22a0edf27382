// Writes DXF drawings for the import's tests, in the record layout that
// drawing programs use for layer records, LWPOLYLINE and CIRCLE.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace quor::test {

class DxfTestDrawing {
 public:
  DxfTestDrawing& TableLayer(const std::string& name, int colour);
  DxfTestDrawing& Polyline(const std::string& layer, const std::vector<std::pair<double, double>>& vertices,
                           int flags = 1);
  DxfTestDrawing& Circle(const std::string& layer, double x, double y, double radius);
  // Any other pairs, as "code\nvalue\n" lines.
  DxfTestDrawing& Raw(const std::string& lines);

  // The whole drawing; CR LF line ends when asked.
  std::string Text(bool crlf = false) const;

 private:
  std::string m_table;
  std::string m_entities;
};

}  // namespace quor::test
