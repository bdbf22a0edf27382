// What the import takes from a DXF drawing: the layers that carry polylines
// with their polygons, the via circles, and the boxes of the drawing and of
// its frame. Coordinates are in the drawing's own unit.
#pragma once

#include <string>
#include <vector>

namespace quor {

struct DxfPoint {
  double x = 0.0;
  double y = 0.0;
};

struct DxfPolygon {
  std::vector<DxfPoint> nodes;
  bool closed = false;
};

struct DxfDrawingLayer {
  std::string name;
  int colourNumber = 7;
  std::vector<DxfPolygon> polygons;
};

struct DxfVia {
  double x = 0.0;
  double y = 0.0;
  double radius = 0.0;
};

struct DxfBox {
  double minX = 1e10;
  double minY = 1e10;
  double maxX = -1e10;
  double maxY = -1e10;

  void Widen(double x, double y);
};

struct DxfDrawing {
  std::vector<DxfDrawingLayer> layers;  // in order of first appearance
  std::vector<DxfVia> vias;
  DxfBox drawing;  // every polyline vertex and every via circle
  DxfBox frame;    // the vertices of the "frame" polylines
  bool frameSeen = false;
};

}  // namespace quor
