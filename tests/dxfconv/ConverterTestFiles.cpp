#include "dxfconv/ConverterTestFiles.h"

#include <sstream>

namespace quor::dxfconv::test {

std::filesystem::path TemplateSource() {
  return std::filesystem::path(QUOR_SOURCE_DIR) / "dxfconv" / "templates";
}

std::string TemplateText(std::string_view name) {
  return ReadFile(TemplateSource() / name);
}

void CopyTemplates(const std::filesystem::path& directory, const std::filesystem::path& from) {
  for (const char* name : kTemplateNames) std::filesystem::copy_file(from / name, directory / name);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

Pairs ParseDxf(const std::string& text) {
  const std::vector<std::string> lines = Lines(text);
  Pairs pairs;
  for (std::size_t i = 0; i + 1 < lines.size(); i += 2) pairs.emplace_back(std::stoi(lines[i]), lines[i + 1]);
  return pairs;
}

}  // namespace quor::dxfconv::test
