// The structure as the checker keeps it while it turns a project file into
// plates: the footprint, the layers with their outlines, and the vias. All
// lengths are in the project file's internal unit.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "tessmor/Polygon.h"

namespace quor::solver {

struct CheckerProject {
  // The polygons a layer may hold, via cross-sections included.
  static constexpr std::int32_t kMaxLayerPolygons = 20;

  // One outline on a layer surface: the footprint (slot 0), a conductor
  // polygon, or a via cross-section.
  struct Slot {
    Polygon polygon;  // counter-clockwise seen from above
    std::int32_t conductorIndex = 0;
    // The polygon's shape id; a via cross-section carries its via's id.
    std::int32_t shapeId = 0;
  };

  struct Layer {
    double er = 1.0;  // relative permittivity below the surface
    double z = 0.0;   // height of the upper surface
    std::vector<Slot> slots;
  };

  struct Via {
    std::int32_t id = 0;
    // The mean of the inscribed and circumscribed radius of the n-gon that
    // stands for the cylinder.
    double radius = 0.0;
    double x = 0.0;
    double y = 0.0;
    std::int32_t lowerLayer = 0;
    std::int32_t upperLayer = 0;
    bool solid = false;
  };

  // A quadrilateral of a via's side, kept for the geometry check.
  struct Wall {
    Polygon polygon;
    std::int32_t conductorIndex = 0;
    std::int32_t viaId = 0;
    std::int32_t layerIndex = 0;  // the layer the wall runs through
  };

  double length = 0.0;     // footprint extent along x
  double width = 0.0;      // footprint extent along y
  double tolerance = 0.0;  // distances below this are no distance
  // Sides top (y = width), left (x = 0), bottom (y = 0), right (x = length);
  // non-zero = metallised, part of the ground conductor.
  std::array<std::uint8_t, 4> metallization{};
  std::int32_t viaSegments = 0;
  std::vector<Layer> layers;  // in file order, ascending height
  std::vector<Via> vias;
  std::vector<Wall> viaWalls;
  std::int32_t conductorCount = 1;  // Nc; Nc itself marks a dielectric interface
  std::int32_t polygonCount = 0;    // conductor polygons read from the file

  // The permittivity above layer j: the next layer's, or air above the top.
  double PermittivityAbove(std::size_t j) const { return j + 1 < layers.size() ? layers[j + 1].er : 1.0; }

  // Metallised sides or any dielectric other than air.
  bool IsInhomogeneous() const {
    for (const std::uint8_t side : metallization) {
      if (side != 0) return true;
    }
    for (const Layer& layer : layers) {
      if (layer.er != 1.0) return true;
    }
    return false;
  }
};

}  // namespace quor::solver
