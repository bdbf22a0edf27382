// The viewer's window rectangle file as the viewer reads it at start-up and
// places its window on a screen.
#include <cstddef>
#include <cstdint>

#include "fuzz/FuzzSupport.h"
#include "viewer/WindowPlacement.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quor::viewer;
  const WindowRect rect = ReadWindowRect(quor::fuzz::WriteScratchFile("QUORView.ini", data, size).string());
  const WindowPlacement placement = PlaceWindow(rect, 1280, 1024);
  if (!placement.defaultSize && (placement.width <= 0 || placement.height <= 0)) {
    quor::fuzz::Broken("the viewer kept a size without area");
  }
  return 0;
}
