// The editing view on the X screen: each sample project painted with its
// footprint, layers, grid and axes (saved as screenshots under the build
// tree), exclusive-or figures that give back every pixel, the wheel and the
// scroll bars, and the commands that reach the document through the view.
#include <gtest/gtest.h>
#include <wx/mdi.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ShellFixture.h"
#include "ViewFixture.h"
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
#include "editor/ui/bars/CInfoBar.h"
#include "editor/ui/bars/LayerComboBox.h"
#include "editor/ui/view/ViewCore.h"
#include "support/ScreenProbe.h"
#include "support/WxTestPump.h"

namespace quor::test {
namespace {

namespace fs = std::filesystem;

// Pixels that differ; -1 when the sizes do.
int CountDifferences(const wxImage& a, const wxImage& b) {
  if (a.GetSize() != b.GetSize()) return -1;
  int count = 0;
  for (int i = 0; i < a.GetWidth() * a.GetHeight() * 3; i += 3) {
    count += !std::equal(a.GetData() + i, a.GetData() + i + 3, b.GetData() + i);
  }
  return count;
}

class CCrtanjeViewTest : public ViewFixture {};

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
  view->RunViewCommand(cmd::kArrangeSubtract);
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

// The bars see the view: the info bar lists its layers and follows the mouse
// over it; the view's profile values are written when it closes.
TEST_F(CCrtanjeViewTest, TheInfoBarFollowsTheMouseAndTheProfileKeepsTheViewsValues) {
  CCrtanjeView* view = OpenCopy(QUOR_SOURCE_DIR "/examples/microstrip.qlx");
  ASSERT_NE(view, nullptr);
  CInfoBar& bar = *frame->GetInfoBar();
  CCrtanjeDoc& document = Document(*view);
  EXPECT_EQ(static_cast<int>(bar.GetLayerList().GetCount()), document.GetModel().GetLayerCount());

  const DevicePoint point = view->GetCore()->WorldToScreen({250.0, 100.0});
  wxMouseEvent move(wxEVT_MOTION);
  move.m_x = point.x;
  move.m_y = point.y;
  view->GetCanvas()->GetEventHandler()->ProcessEvent(move);
  std::vector<double> shown;
  for (wxWindow* child : bar.GetChildren()) {
    if (auto* field = dynamic_cast<wxTextCtrl*>(child))
      shown.push_back(std::stod(field->GetValue().ToStdString()));
  }
  ASSERT_EQ(shown.size(), 2u);
  // Within the pixel the mouse stands on.
  const double pixel = document.ToDisplayUnits(view->GetCore()->PixelsToUnits(1.0));
  EXPECT_NEAR(shown[0], document.ToDisplayUnits(250.0), pixel);
  EXPECT_NEAR(shown[1], document.ToDisplayUnits(100.0), pixel);

  view->GetCore()->SetShowGrid(false);
  ASSERT_TRUE(manager->CloseDocument(&document, true));
  EXPECT_EQ(profile->GetProfileInt("Settings", "ShowGrid", 1), 0);
}

// Closing a project's window deletes the project before wx deletes the
// window: the bars must have let go of the project's layers before it goes.
TEST_F(CCrtanjeViewTest, ClosingAProjectTellsTheBarsWhileItStillExists) {
  CCrtanjeView* view = OpenCopy(QUOR_SOURCE_DIR "/examples/microstrip.qlx");
  ASSERT_NE(view, nullptr);
  wxDocument* document = view->GetDocument();
  struct WatchingBar : BarHintReceiver {
    WatchingBar(wxDocManager& open, wxDocument& watched, BarHintReceiver& real)
        : manager(open), document(watched), next(real) {}
    void OnHint(const Hint& hint) override {
      if (hint.Code() == UpdateHint::HintViewDeactivated) projectAlive.push_back(IsOpen());
      next.OnHint(hint);
    }
    bool IsOpen() const {
      const auto open = manager.GetDocumentsVector();
      return std::find(open.begin(), open.end(), &document) != open.end();
    }
    wxDocManager& manager;
    wxDocument& document;
    BarHintReceiver& next;
    std::vector<bool> projectAlive;
  } bar(*manager, *document, *frame->GetInfoBar());
  frame->SetHintReceiver(CMainFrame::HintSlot::InfoBar, &bar);
  // As the tab's close button does it.
  ASSERT_TRUE(view->GetFrame()->Close());
  PumpUntil([this] { return frame->GetActiveChild() == nullptr; });
  frame->SetHintReceiver(CMainFrame::HintSlot::InfoBar, frame->GetInfoBar());
  EXPECT_EQ(bar.projectAlive, std::vector<bool>{true});
  EXPECT_EQ(frame->GetInfoBar()->GetLayerList().GetCount(), 0u);
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

namespace quor::test {
namespace {

// File New: the new project shows at once, fitted into its window, with the
// same name in the frame's title and on its tab.
TEST_F(CCrtanjeViewTest, ANewProjectAppearsFittedAtOnceUnderOneName) {
  profile->WriteProfileInt("Settings", "FootprintPromptOnStartup", 0);
  wxDocument* document = manager->CreateDocument(wxString(), wxDOC_NEW);
  ASSERT_NE(document, nullptr);
  ASSERT_TRUE(WaitUntilActive(document));
  auto* view = dynamic_cast<CCrtanjeView*>(document->GetFirstView());
  ASSERT_NE(view, nullptr);
  ViewCanvas& canvas = *view->GetCanvas();
  // Shown without a resize: the window's picture is the footprint, fitted.
  const auto fitted = [&] {
    const wxSize client = canvas.GetClientSize();
    const ViewCore& core = *view->GetCore();
    if (core.GetClientSize() != DeviceSize{client.x, client.y} || client.x < 200) return false;
    double length = 0.0;
    double width = 0.0;
    Document(*view).GetFootprintSize(length, width);
    const DeviceRect shown = core.WorldRectToScreen({width, 0.0, 0.0, length});
    const int spareX = client.x - (shown.right - shown.left) - 2 * ViewCore::kMargin;
    const int spareY = client.y - (shown.bottom - shown.top) - ViewCore::kMargin - core.GetLabelHeight();
    return std::min(spareX, spareY) <= 1 && std::min(spareX, spareY) >= -1;
  };
  EXPECT_TRUE(PumpUntil(fitted));
  EXPECT_TRUE(PumpUntil([&] { return CountColour(Screen(canvas), Rgb(255, 255, 255)) > 1000; }));

  const wxString title = frame->GetTitle();
  const wxString tab = static_cast<wxMDIChildFrame*>(view->GetFrame())->GetTitle();
  EXPECT_TRUE(title.EndsWith(" - " + tab)) << title << " / " << tab;
}

}  // namespace
}  // namespace quor::test

namespace quor::test {
namespace {

// Without a project nobody answers for the view's and the document's
// commands: their menu items and buttons, the Compute toolbar's among them,
// are disabled; a project enables them by its own rules.
TEST_F(CCrtanjeViewTest, ProjectCommandsAreDisabledWithoutAProject) {
  const int ids[] = {cmd::kComputeCheck, cmd::kComputeSegment, cmd::kComputeAutoRun,   cmd::kEditSelectAll,
                     cmd::kViewZoomAll,  cmd::kViewShowGrid,   cmd::kProjectNewPolygon};
  for (const int id : ids) EXPECT_FALSE(IsCommandEnabled(id)) << id;
  CCrtanjeView* view = OpenCopy(QUOR_SOURCE_DIR "/examples/microstrip.qlx");
  ASSERT_NE(view, nullptr);
  for (const int id : ids) EXPECT_TRUE(IsCommandEnabled(id)) << id;
  EXPECT_FALSE(IsCommandEnabled(cmd::kEditCopy)) << "nothing selected";
  EXPECT_FALSE(IsCommandEnabled(cmd::kComputeRun)) << "not segmented";
}

}  // namespace
}  // namespace quor::test
