#include "dxfconv/DxfLayerNames.h"

#include <algorithm>
#include <set>

#include "dxfconv/ConverterModel.h"
#include "dxfconv/DrawingText.h"
#include "dxfconv/DxfNumbers.h"

namespace quor::dxfconv {

namespace {

// What stands for a character that a layer name cannot hold.
constexpr char kReplacement = '_';
// Characters that DXF does not allow in a layer name.
constexpr std::string_view kForbidden = "<>/\\\":;?*|='`";

// DXF readers look layer names up regardless of letter case.
std::string Key(std::string name) {
  std::transform(name.begin(), name.end(), name.begin(), LowerCase1252);
  return name;
}

std::string BaseName(const std::string& name, int ordinal) {
  std::string text = ToCodePage1252(name, kReplacement);
  std::replace_if(
      text.begin(), text.end(), [](char c) { return kForbidden.find(c) != std::string_view::npos; },
      kReplacement);
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "Layer" + FormatInteger(ordinal);
  std::string base = text.substr(first, kDxfLayerNameLength);
  base.erase(base.find_last_not_of(' ') + 1);
  return base;
}

}  // namespace

std::vector<std::string> MakeDxfLayerNames(const ConverterModel& model) {
  std::set<std::string, std::less<>> taken = {std::string(kTemplateLayerName), std::string(kFrameLayerName),
                                              std::string(kViaLayerName)};
  std::vector<std::string> names;
  for (std::size_t i = 0; i < model.layers.size(); ++i) {
    const std::string base = BaseName(model.layers[i].name, static_cast<int>(i) + 1);
    std::string name = base;
    for (int n = 2; taken.contains(Key(name)); ++n) {
      const std::string suffix = "_" + FormatInteger(n);
      name = base.substr(0, kDxfLayerNameLength - suffix.size()) + suffix;
    }
    taken.insert(Key(name));
    names.push_back(name);
  }
  return names;
}

}  // namespace quor::dxfconv
