// Runs the real quorview on the test's X display: start-up failures, the
// single instance, keyboard commands read back from the screen, Copy, and
// the window rectangle written at exit.
#include <gtest/gtest.h>
#include <wx/clipbrd.h>
#include <wx/uiaction.h>

#include <fstream>

#include "support/ScreenProbe.h"
#include "support/TestProcess.h"
#include "support/WxTestPump.h"
#include "viewer/ListingFixture.h"

namespace quor::viewer {
namespace {

using namespace std::chrono_literals;
using quor::test::TestProcess;

const std::string kTitle = "QUOR View";
const std::filesystem::path kBin = QUOR_BIN_DIR;

// The exit status once the program has ended within the limit, while wx
// events are pumped; empty if it still runs or died from a signal.
std::optional<int> WaitPumping(TestProcess& program, std::chrono::milliseconds limit) {
  quor::test::PumpUntil([&] { return !program.Running(); }, limit);
  return program.ExitStatus();
}

struct Colour {
  unsigned char red, green, blue;
};
constexpr Colour kMagenta{255, 0, 255};
constexpr Colour kWhite{255, 255, 255};

bool Near(const wxImage& image, int x, int y, const Colour& c) {
  const auto close = [](int a, int b) { return a > b - 8 && a < b + 8; };
  return close(image.GetRed(x, y), c.red) && close(image.GetGreen(x, y), c.green) &&
         close(image.GetBlue(x, y), c.blue);
}

bool Shows(const wxImage& image, const Colour& c) {
  for (int y = 0; y < image.GetHeight(); ++y) {
    for (int x = 0; x < image.GetWidth(); ++x) {
      if (Near(image, x, y, c)) return true;
    }
  }
  return false;
}

bool ClipboardHoldsABitmap() {
  if (!wxTheClipboard->Open()) return false;
  const bool held = wxTheClipboard->IsSupported(wxDF_BITMAP);
  wxTheClipboard->Close();
  return held;
}

class ViewerProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_listing = m_dir / "raised.lst";
    test::WriteFile(m_listing, test::ListingText(test::RaisedSquare()));
    std::filesystem::remove(kBin / "QUORView.ini");
    ASSERT_TRUE(quor::test::CaptureScreenArea(wxRect(0, 0, 1, 1)).IsOk());
  }
  void TearDown() override { std::filesystem::remove(kBin / "QUORView.ini"); }

  std::unique_ptr<TestProcess> Start(std::vector<std::string> arguments, const std::string& log) {
    arguments.insert(arguments.begin(), (kBin / "quorview").string());
    return std::make_unique<TestProcess>(arguments,
                                         TestProcess::Setup{{"QUORVIEW_MESSAGES=stderr"}, {}, m_dir / log});
  }

  // Waits until the pixel in the middle of the drawing has the colour.
  bool CentreBecomes(const Colour& colour) {
    return quor::test::PumpUntil([&] {
      const auto rect = quor::test::FindTopLevelWindow(kTitle);
      if (!rect) return false;
      const wxImage shot = quor::test::CaptureScreenArea(*rect);
      // Half a menu bar below the window centre is the centre of the drawing.
      return shot.IsOk() && Near(shot, rect->width / 2, rect->height / 2 + 12, colour);
    });
  }

  void Key(int code, int modifiers = wxMOD_NONE) {
    quor::test::FocusTopLevelWindow(kTitle);
    wxUIActionSimulator().Char(code, modifiers);
    quor::test::PumpEvents(50ms);
  }

  const test::TempDir m_scratch{"quor-viewer-program-"};
  const std::filesystem::path m_dir = m_scratch.Path();
  std::filesystem::path m_listing;
};

TEST_F(ViewerProgramTest, MissingOrUnreadableListingEndsWithTheMessage) {
  for (const auto& arguments : {std::vector<std::string>{}, std::vector<std::string>{"/no/such.lst"}}) {
    auto viewer = Start(arguments, "bad.err");
    EXPECT_EQ(WaitPumping(*viewer, 20s), 0);
    EXPECT_NE(viewer->StandardError().find("3D Viewer: Error in data transfer."), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(kBin / "QUORView.lck"));
  }
}

TEST_F(ViewerProgramTest, DisplayWithoutOpenGlEndsTheProgram) {
  TestProcess viewer({"/usr/bin/xvfb-run", "-a", "-s", "-screen 0 640x480x24 -extension GLX",
                      (kBin / "quorview").string(), m_listing.string()},
                     {{"QUORVIEW_MESSAGES=stderr"}, {}, m_dir / "noglx.err"});
  EXPECT_EQ(WaitPumping(viewer, 60s), 1);
  EXPECT_NE(viewer.StandardError().find("Error: ChoosePixelFormat failed"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(kBin / "QUORView.lck"));
}

TEST_F(ViewerProgramTest, CommandsSecondStartCopyAndExit) {
  test::WriteFile(kBin / "QUORView.ini", "100\n100\n640\n480\n");
  auto viewer = Start({m_listing.string()}, "first.err");
  ASSERT_TRUE(quor::test::PumpUntil([&] { return quor::test::FindTopLevelWindow(kTitle).has_value(); }, 20s));
  const wxRect rect = *quor::test::FindTopLevelWindow(kTitle);
  EXPECT_EQ(rect.x, 100);
  EXPECT_EQ(rect.width, 640);
  // The plate drawn is the sign that the first picture is on the screen.
  EXPECT_TRUE(quor::test::PumpUntil([&] { return Shows(quor::test::CaptureScreenArea(rect), kMagenta); }));
  const std::filesystem::path shots = std::filesystem::path(QUOR_BIN_DIR).parent_path() / "screenshots";
  std::filesystem::create_directories(shots);
  EXPECT_TRUE(quor::test::SaveScreenArea(rect, (shots / "quorview.png").string()));

  auto second = Start({m_listing.string()}, "second.err");
  EXPECT_EQ(WaitPumping(*second, 20s), 0);
  EXPECT_NE(second->StandardError().find("3D Viewer: Cannot open more than one program instance at a time."),
            std::string::npos);
  EXPECT_TRUE(viewer->Running());

  Key('A', wxMOD_ALT);  // axes off: they cross the centre
  EXPECT_TRUE(CentreBecomes(kMagenta));
  Key(WXK_END);     // clip the upper part, at the full height
  Key(WXK_DELETE);  // one step down passes below the plate
  EXPECT_TRUE(CentreBecomes(kWhite));
  Key(WXK_HOME);
  EXPECT_TRUE(CentreBecomes(kMagenta));
  Key('W', wxMOD_ALT);
  EXPECT_TRUE(CentreBecomes(kWhite));
  Key('B', wxMOD_ALT);
  EXPECT_TRUE(CentreBecomes(kMagenta));

  Key('C', wxMOD_CONTROL);
  EXPECT_TRUE(quor::test::PumpUntil(ClipboardHoldsABitmap));
  ASSERT_TRUE(wxTheClipboard->Open());
  wxBitmapDataObject copied;
  EXPECT_TRUE(wxTheClipboard->GetData(copied));
  wxTheClipboard->Close();
  const wxImage image = copied.GetBitmap().ConvertToImage();
  ASSERT_TRUE(image.IsOk());
  EXPECT_EQ(image.GetWidth(), 640);
  EXPECT_TRUE(Near(image, image.GetWidth() / 2, image.GetHeight() / 2, kMagenta));

  // Esc while a menu opened by the mouse is open leaves the viewer running;
  // a click on the drawing closes the menu.
  wxUIActionSimulator mouse;
  mouse.MouseMove(rect.x + 23, rect.y + 12);  // the View menu's title
  mouse.MouseClick();
  quor::test::PumpEvents(300ms);
  wxUIActionSimulator().Char(WXK_ESCAPE);
  EXPECT_FALSE(WaitPumping(*viewer, 1s).has_value());
  mouse.MouseMove(rect.x + rect.width / 2, rect.y + rect.height - 20);
  mouse.MouseClick();
  quor::test::PumpEvents(300ms);
  Key(WXK_ESCAPE);
  EXPECT_EQ(WaitPumping(*viewer, 20s), 0);
  EXPECT_FALSE(std::filesystem::exists(kBin / "QUORView.lck"));
  std::ifstream ini(kBin / "QUORView.ini");
  int x = 0, y = 0, width = 0, height = 0;
  ini >> x >> y >> width >> height;
  EXPECT_EQ(x, 100);
  EXPECT_EQ(y, 100);
  EXPECT_EQ(width, 640);
  EXPECT_EQ(height, 480);
}

}  // namespace
}  // namespace quor::viewer
