// One run of the DXF converter.
#pragma once

#include <filesystem>

namespace quor::dxfconv {

// Reads "quor.tmp" (and "colorcodes.cnv" when present) in directory, writes
// the drawing "dxf.tmp" from the templates there and reports the outcome in
// "quor_dxf_conv.err": "Completed", or what failed.
void quor_dxf_conv_main(const std::filesystem::path& directory);

}  // namespace quor::dxfconv
