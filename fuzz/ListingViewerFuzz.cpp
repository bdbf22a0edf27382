// A segmentation listing as the 3D viewer reads it, scales it into its view
// box, colours and cuts every plate into triangles (what the scene draws).
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "viewer/ListingReader.h"
#include "viewer/PlateColours.h"
#include "viewer/PolygonTriangulation.h"
#include "viewer/SceneScaling.h"

namespace {

class CountingSink : public quor::viewer::TriangleSink {
 public:
  void Triangle(const Point3&, const Point3&, const Point3&) override { ++triangles; }
  std::size_t triangles = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quor::viewer;
  PlateStore store;
  const std::string path = quor::fuzz::WriteScratchFile("listing.lst", data, size).string();
  if (read_plate_list(path, store) != ListingStatus::Read) {
    if (store.GroupCount() != 0) quor::fuzz::Broken("a refused listing left plates in the store");
    return 0;
  }
  ScaleIntoViewBox(store);
  CountingSink sink;
  const int groupCount = store.GroupCount();
  for (int j = 1; j <= groupCount; ++j) {
    for (const ListingPlate& plate : store.groups[static_cast<std::size_t>(j - 1)]) {
      std::vector<Point3> nodes;
      for (const ListingNode& n : plate) nodes.push_back({n.x, n.y, n.z});
      OutlineColour(j, groupCount);
      FillColour(j, groupCount, PlateNormal(nodes));
      draw_filled_polygon(nodes, sink);
    }
  }
  return 0;
}
