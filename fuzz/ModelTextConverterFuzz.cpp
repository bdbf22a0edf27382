// The model text ("quor.tmp") as the DXF converter reads it and turns it into
// a drawing with the templates of the program directory.
#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "dxfconv/QuorDxfConvMain.h"
#include "fuzz/FuzzSupport.h"

namespace {

// The converter reads its templates from the folder it works in.
const std::filesystem::path& ConverterFolder() {
  static const std::filesystem::path folder = [] {
    const std::filesystem::path work = quor::fuzz::ScratchDirectory() / "converter";
    std::filesystem::create_directories(work);
    const std::filesystem::path templates = std::filesystem::path(QUOR_SOURCE_DIR) / "dxfconv" / "templates";
    for (const auto& entry : std::filesystem::directory_iterator(templates)) {
      std::filesystem::copy_file(entry.path(), work / entry.path().filename(),
                                 std::filesystem::copy_options::overwrite_existing);
    }
    return work;
  }();
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::filesystem::path& folder = ConverterFolder();
  quor::fuzz::WriteScratchFile("converter/quor.tmp", data, size);
  quor::dxfconv::quor_dxf_conv_main(folder);
  if (!std::filesystem::exists(folder / "quor_dxf_conv.err"))
    quor::fuzz::Broken("the converter said nothing");
  return 0;
}
