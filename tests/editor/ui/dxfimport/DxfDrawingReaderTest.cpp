// The DXF reader and the footprint placement on drawings written here.
#include <gtest/gtest.h>

#include <sstream>

#include "editor/ui/dxfimport/DxfColourPalette.h"
#include "editor/ui/dxfimport/DxfDrawingReader.h"
#include "editor/ui/dxfimport/DxfFootprint.h"
#include "editor/ui/dxfimport/DxfTestDrawing.h"
#include "platform/error/TextError.h"

namespace quor {
namespace {

using test::DxfTestDrawing;

DxfDrawing Read(const DxfTestDrawing& drawing, bool crlf = false) {
  std::istringstream in(drawing.Text(crlf));
  return ReadDxfDrawing(in);
}

std::string PlacementFailure(DxfDrawing drawing) {
  try {
    PlaceInFootprint(drawing);
  } catch (const TextError& error) {
    return error.Text();
  }
  return "";
}

TEST(DxfDrawingReader, TakesPolygonLayersViasAndTheFrame) {
  DxfTestDrawing dxf;
  dxf.TableLayer("gnd", 1)
      .TableLayer("top", 5)
      .TableLayer("top", 3)
      .Polyline("FRAME", {{0, 0}, {100, 0}, {100, 50}, {0, 50}})
      .Polyline("gnd", {{10, 10}, {20, 10}, {20, 20}})
      .Polyline("top", {{30, 10}, {40, 10}, {40, 20}, {30, 20}}, 0)
      .Polyline("stub", {{1, 1}, {2, 2}})
      .Circle("VIA", 60, 25, 2)
      .Circle("vias", 70, 25, 2)
      .Raw("  0\nLINE\n  8\ngnd\n 10\n5\n 20\n5\n");
  for (const bool crlf : {false, true}) {
    const DxfDrawing drawing = Read(dxf, crlf);
    ASSERT_EQ(drawing.layers.size(), 3u);
    EXPECT_EQ(drawing.layers[0].name, "gnd");
    EXPECT_EQ(drawing.layers[0].colourNumber, 1);
    // The last table record of a name gives its colour; a layer missing from the table gets 7.
    EXPECT_EQ(drawing.layers[1].colourNumber, 3);
    EXPECT_EQ(drawing.layers[2].name, "stub");
    EXPECT_EQ(drawing.layers[2].colourNumber, 7);
    ASSERT_EQ(drawing.layers[0].polygons.size(), 1u);
    EXPECT_TRUE(drawing.layers[0].polygons[0].closed);
    ASSERT_EQ(drawing.layers[1].polygons.size(), 1u);
    EXPECT_FALSE(drawing.layers[1].polygons[0].closed);
    EXPECT_EQ(drawing.layers[1].polygons[0].nodes.size(), 4u);
    EXPECT_DOUBLE_EQ(drawing.layers[1].polygons[0].nodes[2].x, 40);
    EXPECT_DOUBLE_EQ(drawing.layers[1].polygons[0].nodes[2].y, 20);
    // Two vertices make no polygon, but they still count for the drawing box.
    EXPECT_TRUE(drawing.layers[2].polygons.empty());
    EXPECT_DOUBLE_EQ(drawing.drawing.minX, 0);
    ASSERT_EQ(drawing.vias.size(), 1u);
    EXPECT_DOUBLE_EQ(drawing.vias[0].radius, 2);
    EXPECT_TRUE(drawing.frameSeen);
    EXPECT_DOUBLE_EQ(drawing.frame.maxX, 100);
    EXPECT_DOUBLE_EQ(drawing.frame.maxY, 50);
  }
}

TEST(DxfDrawingReader, DropsEntitiesThatLackWhatTheyNeed) {
  DxfTestDrawing dxf;
  dxf.Raw("  0\nLWPOLYLINE\n 90\n3\n 10\n0\n 20\n0\n 10\n1\n 20\n0\n 10\n1\n 20\n1\n")     // no layer
      .Raw("  0\nLWPOLYLINE\n  8\nbad\n 10\n0\n 20\nx\n 10\n1\n 20\n0\n 10\n1\n 20\n1\n")  // y not a number
      .Raw("  0\nLWPOLYLINE\n  8\nbad\n 10\n0\n 20\n0\n 10\n1e999\n 20\n0\n 10\n1\n 20\n1\n")
      .Raw("  0\nCIRCLE\n  8\nvia\n 10\n1\n 20\n1\n")  // no radius
      .Polyline("g", {{0, 0}, {1, 0}, {1, 1}}, 128);
  const DxfDrawing drawing = Read(dxf);
  ASSERT_EQ(drawing.layers.size(), 1u);
  EXPECT_EQ(drawing.layers[0].name, "g");
  // The line-type pattern flag does not close a polyline.
  EXPECT_FALSE(drawing.layers[0].polygons[0].closed);
  EXPECT_TRUE(drawing.vias.empty());
}

TEST(DxfFootprint, WithoutFrameGrowsByTheDrawingWidth) {
  DxfTestDrawing dxf;
  dxf.Polyline("a", {{10, 5}, {40, 5}, {40, 20}, {10, 20}});
  DxfDrawing drawing = Read(dxf);
  const DxfFootprint footprint = PlaceInFootprint(drawing);
  EXPECT_DOUBLE_EQ(footprint.width, 90);
  EXPECT_DOUBLE_EQ(footprint.height, 75);
  EXPECT_DOUBLE_EQ(drawing.layers[0].polygons[0].nodes[0].x, 30);
  EXPECT_DOUBLE_EQ(drawing.layers[0].polygons[0].nodes[0].y, 30);
}

TEST(DxfFootprint, RefusesWithTheTexts) {
  DxfTestDrawing outside;
  outside.Polyline("frame", {{0, 0}, {10, 0}, {10, 10}}).Polyline("a", {{5, 5}, {12, 5}, {5, 8}});
  EXPECT_EQ(PlacementFailure(Read(outside)), "Drawing is not completely in the footprint");

  DxfTestDrawing onlyFrame;
  onlyFrame.Polyline("Frame", {{0, 0}, {10, 0}, {10, 10}});
  EXPECT_EQ(PlacementFailure(Read(onlyFrame)), "Number of layers greater than 10 or less than 1");
  EXPECT_EQ(PlacementFailure(Read(DxfTestDrawing{})), "Number of layers greater than 10 or less than 1");
  std::istringstream empty("");
  EXPECT_EQ(PlacementFailure(ReadDxfDrawing(empty)), "Number of layers greater than 10 or less than 1");

  DxfTestDrawing eleven;
  for (int i = 0; i < 11; ++i) eleven.Polyline("L" + std::to_string(i), {{0, 0}, {1, 0}, {1, 1}});
  EXPECT_EQ(PlacementFailure(Read(eleven)), "Number of layers greater than 10 or less than 1");

  // Everything on one vertical line leaves no width for the footprint.
  DxfTestDrawing flat;
  flat.Polyline("a", {{3, 0}, {3, 5}, {3, 9}});
  EXPECT_EQ(PlacementFailure(Read(flat)), "Footprint length must be positive");
}

TEST(DxfFootprint, NegativeDrawingKeepsItsMaxima) {
  DxfTestDrawing dxf;
  dxf.Polyline("a", {{-40, -20}, {-10, -20}, {-10, -5}});
  DxfDrawing drawing = Read(dxf);
  EXPECT_DOUBLE_EQ(drawing.drawing.maxX, -10);
  EXPECT_DOUBLE_EQ(drawing.drawing.maxY, -5);
  const DxfFootprint footprint = PlaceInFootprint(drawing);
  EXPECT_DOUBLE_EQ(footprint.width, 90);
  EXPECT_DOUBLE_EQ(footprint.height, 75);
}

TEST(DxfColourPalette, FixedEntriesAndTheHueRamp) {
  EXPECT_EQ(DxfColourPalette(1), 0x000000FFu);
  EXPECT_EQ(DxfColourPalette(7), Rgb(0, 0, 0));
  EXPECT_EQ(DxfColourPalette(9), Rgb(192, 192, 192));
  EXPECT_EQ(DxfColourPalette(10), Rgb(255, 0, 0));
  EXPECT_EQ(DxfColourPalette(13), Rgb(165, 82, 82));
  EXPECT_EQ(DxfColourPalette(19), Rgb(38, 19, 19));
  EXPECT_EQ(DxfColourPalette(20), Rgb(255, 63, 0));
  EXPECT_EQ(DxfColourPalette(21), Rgb(255, 159, 127));
  EXPECT_EQ(DxfColourPalette(250), Rgb(84, 84, 84));
  EXPECT_EQ(DxfColourPalette(255), Rgb(179, 179, 179));
  EXPECT_EQ(DxfColourPalette(256), Rgb(0, 0, 0));
}

}  // namespace
}  // namespace quor
