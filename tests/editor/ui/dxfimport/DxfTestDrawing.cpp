#include "editor/ui/dxfimport/DxfTestDrawing.h"

#include <sstream>

namespace quor::test {

namespace {

std::string Pair(int code, const std::string& value) {
  std::ostringstream out;
  out.imbue(std::locale::classic());
  out << (code < 10 ? "  " : code < 100 ? " " : "") << code << '\n' << value << '\n';
  return out.str();
}

std::string Number(double value) {
  std::ostringstream out;
  out.imbue(std::locale::classic());
  out << value;
  return out.str();
}

}  // namespace

DxfTestDrawing& DxfTestDrawing::TableLayer(const std::string& name, int colour) {
  m_table += Pair(0, "LAYER") + Pair(5, "10") + Pair(330, "2") + Pair(100, "AcDbSymbolTableRecord") +
             Pair(100, "AcDbLayerTableRecord") + Pair(2, name) + Pair(70, "0") +
             Pair(62, std::to_string(colour)) + Pair(6, "CONTINUOUS");
  return *this;
}

DxfTestDrawing& DxfTestDrawing::Polyline(const std::string& layer,
                                         const std::vector<std::pair<double, double>>& vertices, int flags) {
  m_entities += Pair(0, "LWPOLYLINE") + Pair(5, "2A") + Pair(330, "1F") + Pair(100, "AcDbEntity") +
                Pair(8, layer) + Pair(100, "AcDbPolyline") + Pair(90, std::to_string(vertices.size())) +
                Pair(70, std::to_string(flags)) + Pair(43, "0.0");
  for (const auto& [x, y] : vertices) m_entities += Pair(10, Number(x)) + Pair(20, Number(y));
  return *this;
}

DxfTestDrawing& DxfTestDrawing::Circle(const std::string& layer, double x, double y, double radius) {
  m_entities += Pair(0, "CIRCLE") + Pair(5, "2B") + Pair(330, "1F") + Pair(100, "AcDbEntity") +
                Pair(8, layer) + Pair(100, "AcDbCircle") + Pair(10, Number(x)) + Pair(20, Number(y)) +
                Pair(30, "0.0") + Pair(40, Number(radius));
  return *this;
}

DxfTestDrawing& DxfTestDrawing::Raw(const std::string& lines) {
  m_entities += lines;
  return *this;
}

std::string DxfTestDrawing::Text(bool crlf) const {
  const std::string text = Pair(0, "SECTION") + Pair(2, "HEADER") + Pair(9, "$ACADVER") + Pair(1, "AC1015") +
                           Pair(0, "ENDSEC") + Pair(0, "SECTION") + Pair(2, "TABLES") + Pair(0, "TABLE") +
                           Pair(2, "LAYER") + Pair(5, "2") + Pair(100, "AcDbSymbolTable") + Pair(70, "1") +
                           m_table + Pair(0, "ENDTAB") + Pair(0, "ENDSEC") + Pair(0, "SECTION") +
                           Pair(2, "ENTITIES") + m_entities + Pair(0, "ENDSEC") + Pair(0, "EOF");
  if (!crlf) return text;
  std::string converted;
  for (char c : text) {
    if (c == '\n') converted += '\r';
    converted += c;
  }
  return converted;
}

}  // namespace quor::test
