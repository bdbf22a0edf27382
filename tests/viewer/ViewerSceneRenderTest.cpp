// Draws the scene headless and reads the pixels back.
#include "viewer/ViewerScene.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include "viewer/EglContext.h"
#include "viewer/ListingFixture.h"
#include "viewer/ListingReader.h"

namespace quor::viewer {
namespace {

constexpr int kSize = 200;

void ExpectRgb(const test::Rgb& c, int r, int g, int b) {
  EXPECT_NEAR(c.red, r, 2);
  EXPECT_NEAR(c.green, g, 2);
  EXPECT_NEAR(c.blue, b, 2);
}

class ViewerSceneRenderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(m_gl.Error(), "");
    const test::TempDir dir("quor-viewer-render-");
    const auto path = dir.Path() / "raised.lst";
    test::WriteFile(path, test::ListingText(test::RaisedSquare()));
    PlateStore plates;
    ASSERT_EQ(read_plate_list(path.string(), plates), ListingStatus::Read);
    m_scene = std::make_unique<ViewerScene>(std::move(plates), [this] { ++m_frames; });
    m_scene->init_gl_scene();
    m_scene->reset_view();
    m_scene->resize_viewport(kSize, kSize);
    m_scene->State().ToggleAxes();  // the axes run through the centre
    m_scene->redraw_scene();
  }

  test::Rgb Centre() const { return m_gl.Pixel(kSize / 2, kSize / 2); }

  test::EglContext m_gl{kSize, kSize};
  std::unique_ptr<ViewerScene> m_scene;
  int m_frames = 0;
};

TEST_F(ViewerSceneRenderTest, ConductorFillsTheCentreOnWhite) {
  EXPECT_EQ(m_frames, 2);  // reset_view and redraw_scene each finish a frame
  ExpectRgb(Centre(), 255, 0, 255);
  ExpectRgb(m_gl.Pixel(2, 2), 255, 255, 255);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(ViewerSceneRenderTest, ClippingAboveThePlateLeavesTheBackground) {
  ViewState& state = m_scene->State();
  state.SetClipSign(1);
  m_scene->redraw_scene();
  ExpectRgb(Centre(), 255, 0, 255);  // at H the plate is still kept
  state.LowerClip();
  m_scene->redraw_scene();
  ExpectRgb(Centre(), 255, 255, 255);
  state.SetClipSign(-1);  // keeping what lies above shows it again
  m_scene->redraw_scene();
  ExpectRgb(Centre(), 255, 0, 255);
}

TEST_F(ViewerSceneRenderTest, OutlinesOnlyLeaveThePlateOpen) {
  m_scene->State().ShowOutlinesOnly();
  m_scene->redraw_scene();
  ExpectRgb(Centre(), 255, 255, 255);
  m_scene->State().ShowBoth();
  m_scene->rotate_view(0, 0, 1, 10);  // turning about z keeps the centre on the plate
  ExpectRgb(Centre(), 255, 0, 255);
}

}  // namespace
}  // namespace quor::viewer
