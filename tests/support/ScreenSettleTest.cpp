// A picture taken once the screen has settled shows the window's last change.
#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/panel.h>

#include <string>

#include "support/ScreenProbe.h"
#include "support/ScreenSettle.h"

namespace quor::test {
namespace {

std::string Html(const wxColour& colour) {
  return colour.GetAsString(wxC2S_HTML_SYNTAX).utf8_string();
}

// "#RRGGBB" of the pixel in the middle of the area; empty when it cannot be read.
std::string CentreColour(const wxRect& area) {
  const wxImage picture = CaptureScreenArea(area);
  if (!picture.IsOk()) return {};
  const int x = picture.GetWidth() / 2;
  const int y = picture.GetHeight() / 2;
  return Html(wxColour(picture.GetRed(x, y), picture.GetGreen(x, y), picture.GetBlue(x, y)));
}

TEST(ScreenSettleTest, ThePictureAfterSettlingShowsEachRepaint) {
  auto* frame = new wxFrame(nullptr, wxID_ANY, "Settle", wxPoint(20, 20), wxSize(200, 150));
  auto* panel = new wxPanel(frame);
  panel->SetBackgroundColour(*wxRED);
  frame->Show();
  ASSERT_TRUE(PumpUntilScreenSettles(frame->GetScreenRect()));
  const wxRect area(panel->GetScreenPosition(), panel->GetClientSize());
  EXPECT_EQ(CentreColour(area), Html(*wxRED))
      << area.x << "," << area.y << " " << area.width << "x" << area.height;

  for (const wxColour& colour : {*wxBLUE, *wxGREEN, *wxRED}) {
    panel->SetBackgroundColour(colour);
    panel->Refresh();
    ASSERT_TRUE(PumpUntilScreenSettles(area));
    EXPECT_EQ(CentreColour(area), Html(colour));
  }
  frame->Destroy();
}

TEST(ScreenSettleTest, AnAreaThatCannotBeReadNeverSettles) {
  EXPECT_FALSE(PumpUntilScreenSettles(wxRect(), std::chrono::milliseconds(200)));
}

}  // namespace
}  // namespace quor::test
