// The settings profile as the editor reads it: the document's settings, the
// new project's footprint, the view's values, the main frame's placement and
// the Layers window's rectangle, each fitted to a screen as the windows do.
#include <cstddef>
#include <cstdint>
#include <optional>

#include "editor/document/SettingsProfile.h"
#include "editor/document/SettingsRecord.h"
#include "editor/model/DocumentSettings.h"
#include "editor/ui/WindowPlacement.h"
#include "editor/ui/view/ViewCore.h"
#include "editor/ui/view/ViewTestProject.h"
#include "fuzz/FuzzSupport.h"
#include "platform/profile/FileProfile.h"

namespace {

constexpr quor::DeviceRect kScreen{0, 0, 1280, 1024};

void RequireOnScreen(const quor::DeviceRect& r, const char* what) {
  if (r.left < kScreen.left || r.top < kScreen.top || r.right > kScreen.right || r.bottom > kScreen.bottom ||
      r.right <= r.left || r.bottom <= r.top) {
    quor::fuzz::Broken(std::string(what) + " is not on the screen");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quor;
  FileProfile profile(fuzz::WriteScratchFile("quor.conf", data, size));
  ReadSettingsRecord(profile);
  DocumentSettings settings;
  LoadDocumentSettings(profile, settings);
  ReadProjectLength(profile);
  ReadProjectWidth(profile);
  ReadFootprintPromptOnStartup(profile);
  {
    test::FakeViewHost host;
    const ViewCore view(host, profile);
  }
  if (const std::optional<std::vector<std::uint8_t>> bytes =
          profile.GetProfileBinary("Settings", "Position")) {
    if (const std::optional<WindowPlacement> placement = WindowPlacement::Unpack(*bytes)) {
      RequireOnScreen(
          FitRectToScreen(placement->left, placement->top, placement->right, placement->bottom, kScreen),
          "the main frame");
    }
  }
  RequireOnScreen(FitRectToScreen(profile.GetProfileInt("Settings", "LayersDlgLeft", 0),
                                  profile.GetProfileInt("Settings", "LayersDlgTop", 0),
                                  profile.GetProfileInt("Settings", "LayersDlgRight", 200),
                                  profile.GetProfileInt("Settings", "LayersDlgBottom", 300), kScreen),
                  "the Layers window");
  return 0;
}
