// A project file as the editor opens it: load, first paint into a recording
// and a pixel canvas, zoom in and paint again, then save and load the result,
// which must give the same bytes.
#include <cstddef>
#include <cstdint>

#include "editor/model/CStructure.h"
#include "editor/model/DocumentSettings.h"
#include "editor/model/QlxProjectFile.h"
#include "editor/ui/view/ViewCore.h"
#include "editor/ui/view/ViewTestProject.h"
#include "fuzz/FuzzSupport.h"
#include "platform/archive/ArchiveException.h"
#include "platform/error/TextError.h"
#include "support/RasterRecordingDrawContext.h"

namespace {

constexpr quor::DeviceSize kClient{320, 240};

void Paint(quor::ViewCore& view) {
  quor::test::RasterRecordingDrawContext dc(kClient.cx, kClient.cy);
  view.OnDraw(dc);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quor;
  test::FakeServices services;
  test::FakeProjectDocument document(services);
  try {
    document.LoadProjectFile(fuzz::WriteScratchFile("project.qlx", data, size).string());
  } catch (const ArchiveException&) {
    return 0;
  } catch (const TextError&) {
    return 0;
  }

  test::FakeViewHost host;
  test::MemoryProfile profile;
  ViewCore view(host, profile);
  view.SetClientSize(kClient);
  view.OnInitialUpdate(document);
  Paint(view);
  view.SetZoom(ViewCore::kMaxZoom, {kClient.cx / 2, kClient.cy / 2}, true);
  Paint(view);

  const std::vector<std::uint8_t> saved = StoreQlxProject(document.GetSettings(), document.GetModel());
  DocumentSettings settings;
  CStructure reloaded;
  try {
    LoadQlxProject(saved, settings, reloaded);
  } catch (const std::exception& error) {
    fuzz::Broken(std::string("a saved project does not load again: ") + error.what());
  }
  if (StoreQlxProject(settings, reloaded) != saved) fuzz::Broken("a reloaded project saves differently");
  return 0;
}
