// The editing view on the X screen: each sample project painted with its
// footprint, layers, grid and axes (saved as screenshots under the build
// tree), exclusive-or figures that give back every pixel, the wheel and the
// scroll bars, and the commands that reach the document through the view.
#include <gtest/gtest.h>
#include <wx/mdi.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ShellFixture.h"
#include "editor/document/CCrtanjeDoc.h"
#include "editor/document/CSolverLibrary.h"
#include "editor/document/ComputeServices.h"
#include "editor/document/WxComputeWindows.h"
#include "editor/model/CConductorPolygon.h"
#include "editor/model/CStructure.h"
#include "editor/ui/CCrtanjeView.h"
#include "editor/ui/CMainFrame.h"
#include "editor/ui/CommandIds.h"
#include "editor/ui/ViewCanvas.h"
#include "editor/ui/view/ViewCore.h"
#include "support/ScreenProbe.h"
#include "support/WxTestPump.h"

namespace quor::test {
namespace {

namespace fs = std::filesystem;

int CountColour(const wxImage& image, COLORREF colour) {
  int count = 0;
  const unsigned char* p = image.GetData();
  for (int i = 0; i < image.GetWidth() * image.GetHeight(); ++i, p += 3) {
    count += Rgb(p[0], p[1], p[2]) == colour;
  }
  return count;
}

// Pixels that differ; -1 when the sizes do.
int CountDifferences(const wxImage& a, const wxImage& b) {
  if (a.GetSize() != b.GetSize()) return -1;
  int count = 0;
  for (int i = 0; i < a.GetWidth() * a.GetHeight() * 3; i += 3) {
    count += !std::equal(a.GetData() + i, a.GetData() + i + 3, b.GetData() + i);
  }
  return count;
}

// A closed square on the layer at z, lower left corner first, counter-clockwise.
CConductorPolygon Square(double left, double bottom, double side, double z) {
  CConductorPolygon square;
  for (const auto& [x, y] : {std::pair{left, bottom},
                             {left + side, bottom},
                             {left + side, bottom + side},
                             {left, bottom + side}}) {
    square.AddNode({x, y, z});
  }
  square.SetClosed(true);
  return square;
}

class CCrtanjeViewTest : public ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    CreateMainFrame();
    compute = std::make_unique<ComputeServices>(
        ComputeServices{library, windows, QUOR_BIN_DIR "/", directory / "viewer.lck"});
    services->compute = compute.get();
  }

  // A copy of the sample in the fixture's directory, so that the compute
  // road writes beside the copy; its view once painted at its laid-out size.
  CCrtanjeView* OpenCopy(const fs::path& sample) {
    const fs::path copy = directory / sample.filename();
    fs::copy_file(sample, copy);
    wxDocument* document = manager->CreateDocument(copy.string(), wxDOC_SILENT);
    if (document == nullptr || !WaitUntilActive(document)) return nullptr;
    auto* view = dynamic_cast<CCrtanjeView*>(document->GetFirstView());
    PumpUntil([view] {
      const wxSize client = view->GetCanvas()->GetClientSize();
      return view->GetCore()->GetClientSize() == DeviceSize{client.x, client.y} && client.x > 200;
    });
    PumpEvents(std::chrono::milliseconds(300));
    return view;
  }

  static wxImage Screen(const ViewCanvas& canvas) {
    return CaptureScreenArea(wxRect(canvas.ClientToScreen(wxPoint(0, 0)), canvas.GetClientSize()));
  }

  static CCrtanjeDoc& Document(const CCrtanjeView& view) {
    return *dynamic_cast<CCrtanjeDoc*>(view.GetDocument());
  }

  void Command(int id) {
    wxCommandEvent command(wxEVT_MENU, id);
    command.SetEventObject(frame);
    frame->ProcessWindowEvent(command);
  }

  CSolverLibrary library{QUOR_BIN_DIR "/libTessmor.so"};
  WxComputeWindows windows;
  std::unique_ptr<ComputeServices> compute;
};

TEST_F(CCrtanjeViewTest, EachSampleShowsItsFootprintLayersGridAndAxes) {
  std::vector<fs::path> samples;
  for (const auto& entry : fs::directory_iterator(QUOR_SOURCE_DIR "/examples")) {
    if (entry.path().extension() == ".qlx") samples.push_back(entry.path());
  }
  ASSERT_FALSE(samples.empty());
  const fs::path shots = fs::path(QUOR_BIN_DIR).parent_path() / "screenshots";
  fs::create_directories(shots);
  for (const fs::path& sample : samples) {
    SCOPED_TRACE(sample.filename().string());
    CCrtanjeView* view = OpenCopy(sample);
    ASSERT_NE(view, nullptr);
    const wxImage screen = Screen(*view->GetCanvas());
    ASSERT_TRUE(screen.IsOk());
    EXPECT_TRUE(
        screen.SaveFile((shots / ("view_" + sample.stem().string() + ".png")).string(), wxBITMAP_TYPE_PNG));
    // What the window shows is the picture painted off screen.
    EXPECT_EQ(CountDifferences(screen, view->GetCanvas()->GetBuffer().Image()), 0);

    EXPECT_GT(CountColour(screen, ViewCore::kBackgroundColour), 0);
    EXPECT_GT(CountColour(screen, Rgb(255, 255, 255)), 0) << "footprint";
    EXPECT_GT(CountColour(screen, view->GetCore()->GetGridColor()), 0) << "grid";
    EXPECT_GT(CountColour(screen, ViewCore::kAxesColour), 0) << "axes";
    for (const auto& layer : Document(*view).GetModel().GetLayers()) {
      if (layer->visible && layer->GetShapeCount() > 0) {
        EXPECT_GT(CountColour(screen, layer->colour), 0) << "layer " << layer->GetName();
      }
    }
    ASSERT_TRUE(manager->CloseDocument(&Document(*view), true));
    PumpEvents();
  }
}

TEST_F(CCrtanjeViewTest, AnExclusiveOrRectangleDrawnTwiceGivesBackEveryPixel) {
  CCrtanjeView* view = OpenCopy(QUOR_SOURCE_DIR "/examples/microstrip.qlx");
  ASSERT_NE(view, nullptr);
  ViewCanvas& canvas = *view->GetCanvas();
  const wxImage buffer = canvas.GetBuffer().Image();
  const wxImage screen = Screen(canvas);
  ASSERT_EQ(CountDifferences(buffer, screen), 0);

  // Cyan on the white footprint shows red, the complement of the pen.
  const auto rectangle = [](DrawContext& dc) {
    const ScopedPen pen(dc, Pen{PenStyle::Solid, 0, Rgb(0, 255, 255)});
    const ScopedBrush hollow(dc, Brush{BrushStyle::Hollow});
    dc.Rectangle({30, 25, 390, 295});
  };
  canvas.DrawXor(rectangle);
  const wxImage shown = Screen(canvas);  // at once, without waiting for the event loop
  const int outline = 2 * (360 + 270) - 4;
  EXPECT_EQ(CountDifferences(buffer, canvas.GetBuffer().Image()), outline);
  EXPECT_EQ(CountDifferences(screen, shown), outline);
  EXPECT_EQ(canvas.GetBuffer().PixelAt(30, 25), Rgb(255, 0, 0));

  canvas.DrawXor(rectangle);
  EXPECT_EQ(CountDifferences(buffer, canvas.GetBuffer().Image()), 0);
  EXPECT_EQ(CountDifferences(screen, Screen(canvas)), 0);
}

TEST_F(CCrtanjeViewTest, WheelNotchesZoomAndScrollBarsScroll) {
  CCrtanjeView* view = OpenCopy(QUOR_SOURCE_DIR "/examples/microstrip.qlx");
  ASSERT_NE(view, nullptr);
  ViewCanvas& canvas = *view->GetCanvas();
  ViewCore& core = *view->GetCore();
  const auto wheel = [&canvas](int rotation) {
    wxMouseEvent event(wxEVT_MOUSEWHEEL);
    event.m_wheelRotation = rotation;
    event.m_wheelDelta = 120;
    event.m_x = canvas.GetClientSize().x / 2;
    event.m_y = canvas.GetClientSize().y / 2;
    canvas.GetEventHandler()->ProcessEvent(event);
  };
  // A smooth wheel's half notches add up to one step.
  wheel(60);
  EXPECT_FLOAT_EQ(core.GetZoom(), 1.0f);
  wheel(60);
  EXPECT_FLOAT_EQ(core.GetZoom(), 1.5f);

  const ScrollBars before = core.GetScrollBars();
  ASSERT_GT(before.total.cy, core.GetClientSize().cy);
  wxScrollWinEvent down(wxEVT_SCROLLWIN_LINEDOWN, 0, wxVERTICAL);
  canvas.GetEventHandler()->ProcessEvent(down);
  EXPECT_EQ(core.GetScrollBars().position.y, before.position.y + before.line.cy);
  wxScrollWinEvent top(wxEVT_SCROLLWIN_TOP, 0, wxVERTICAL);
  canvas.GetEventHandler()->ProcessEvent(top);
  EXPECT_EQ(core.GetScrollBars().position.y, 0);
  EXPECT_EQ(canvas.GetScrollPos(wxVERTICAL), 0);
}

TEST_F(CCrtanjeViewTest, CheckRunsAndSubtractCutsTheSmallSquareOutOfTheLargeOne) {
  CCrtanjeView* view = OpenCopy(QUOR_SOURCE_DIR "/examples/microstrip.qlx");
  ASSERT_NE(view, nullptr);
  ASSERT_TRUE(IsCommandEnabled(cmd::kComputeCheck));
  Command(cmd::kComputeCheck);
  EXPECT_EQ(messages.shown, std::vector<std::string>{"OK"});
  messages.shown.clear();

  // Two squares in the footprint's empty corner, on the top layer.
  CCrtanjeDoc& document = Document(*view);
  const CLayer& top = *document.GetModel().GetLayers().back();
  const double z = top.GetZ();
  CConductorPolygon& outer = document.AddObjectCopyAt(z, Square(5, 5, 90, z));
  CConductorPolygon& inner = document.AddObjectCopyAt(z, Square(35, 35, 30, z));
  const int shapes = top.GetShapeCount();
  ViewCore& core = *view->GetCore();
  const auto pixel = [&core, view](double x, double y) {
    const DevicePoint p = core.WorldToScreen({x, y});
    return view->GetCanvas()->GetBuffer().PixelAt(p.x, p.y);
  };
  EXPECT_EQ(pixel(50, 50), top.colour);

  view->AddToSelection(outer);
  EXPECT_FALSE(IsCommandEnabled(cmd::kArrangeSubtract)) << "one polygon";
  view->AddToSelection(inner);
  ASSERT_TRUE(IsCommandEnabled(cmd::kArrangeSubtract));
  Command(cmd::kArrangeSubtract);
  EXPECT_EQ(messages.shown, std::vector<std::string>{});
  EXPECT_TRUE(core.GetSelection().IsEmpty());
  ASSERT_EQ(top.GetShapeCount(), shapes - 1);
  const CConductorPolygon& holed = *top.GetShapes().back();
  EXPECT_TRUE(holed.IsClosed());
  EXPECT_EQ(holed.GetNodes().GetCount(), 4 + 4 + 2);
  // The hole shows the footprint through it; the ring keeps the layer's colour.
  EXPECT_EQ(pixel(50, 50), Rgb(255, 255, 255));
  EXPECT_EQ(pixel(15, 50), top.colour);
}

TEST(BackBufferDrawContextTest, ABufferTooLargeToHaveKeepsItsPicture) {
  BackBufferDrawContext buffer(4, 3);
  buffer.FillRect({0, 0, 4, 3}, Brush{BrushStyle::Solid, 0x123456});
  EXPECT_FALSE(buffer.Resize(40000, 40000));
  EXPECT_EQ(buffer.Image().GetSize(), wxSize(4, 3));
  EXPECT_EQ(buffer.PixelAt(3, 2), 0x123456u);
}

}  // namespace
}  // namespace quor::test
