#include "support/WxTestPump.h"

#include <wx/app.h>
#include <wx/uiaction.h>
#include <wx/window.h>

#include <thread>

#include "support/WaitUntil.h"

namespace quor::test {

static void PumpOnce() {
  wxTheApp->Yield(true);
  wxTheApp->ProcessPendingEvents();
  wxTheApp->ProcessIdle();
}

void PumpEvents(std::chrono::milliseconds duration) {
  const auto end = std::chrono::steady_clock::now() + duration;
  do {
    PumpOnce();
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  } while (std::chrono::steady_clock::now() < end);
}

bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
  if (done()) return true;
  return WaitUntil(
      [&] {
        PumpOnce();
        return done();
      },
      limit, std::chrono::milliseconds(2));
}

bool ClickUntil(wxWindow& window, wxPoint at, const std::function<bool()>& done) {
  wxUIActionSimulator input;
  input.MouseMove(window.ClientToScreen(at));
  input.MouseClick();
  return PumpUntil(done);
}

}  // namespace quor::test
