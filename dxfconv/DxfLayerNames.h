// The DXF layer name of each model layer.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quor::dxfconv {

struct ConverterModel;

// The layers the drawing has besides the model's: the template's own and the converter's.
constexpr std::string_view kTemplateLayerName = "0";
constexpr std::string_view kFrameLayerName = "frame";
constexpr std::string_view kViaLayerName = "via";

// DXF layer names are at most this long here.
constexpr std::size_t kDxfLayerNameLength = 40;

// One name per model layer, used alike by the layer table and the entities:
// in the drawing's code page, Windows-1252, with "_" for each character it
// cannot hold and for each character DXF forbids in a layer name
// (< > / \ " : ; ? * | = ' `); blanks around the name dropped, cut to 40
// characters, "Layer" and the ordinal for an empty name, and a suffix "_2",
// "_3", ... where the name would clash (letter case aside) with an earlier
// layer or with "0", "frame" or "via", the layers the drawing has besides
// the model's.
std::vector<std::string> MakeDxfLayerNames(const ConverterModel& model);

}  // namespace quor::dxfconv
