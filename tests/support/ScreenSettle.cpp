#include "support/ScreenSettle.h"

#include <wx/app.h>

#include <algorithm>

#include "support/ScreenProbe.h"
#include "support/WaitUntil.h"
#include "support/WxTestPump.h"

namespace quor::test {

namespace {

// Longer than one frame-clock tick (60 per second), so that a paint that is
// due always falls between two pictures.
constexpr std::chrono::milliseconds kTick(20);
// Pictures in a row that must be alike.
constexpr int kAlike = 3;

bool SameImage(const wxImage& a, const wxImage& b) {
  if (!a.IsOk() || !b.IsOk() || a.GetSize() != b.GetSize()) return false;
  const auto bytes = static_cast<std::size_t>(a.GetWidth()) * a.GetHeight() * 3;
  return std::equal(a.GetData(), a.GetData() + bytes, b.GetData());
}

}  // namespace

bool PumpUntilScreenSettles(const wxRect& area, std::chrono::milliseconds limit) {
  wxImage last;
  int alike = 0;
  return WaitUntil(
      [&] {
        PumpEvents(std::chrono::milliseconds(0));
        wxImage now = CaptureScreenArea(area);
        alike = SameImage(now, last) && !wxTheApp->HasPendingEvents() ? alike + 1 : 0;
        last = std::move(now);
        return alike + 1 >= kAlike;
      },
      limit, kTick);
}

}  // namespace quor::test
