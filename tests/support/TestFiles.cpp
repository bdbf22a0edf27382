#include "support/TestFiles.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace quor::test {

void WriteFile(const std::filesystem::path& path, std::string_view text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.close();
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::optional<std::string> ReadFileIfExists(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string ReadFile(const std::filesystem::path& path) {
  std::optional<std::string> text = ReadFileIfExists(path);
  if (!text) throw std::runtime_error("cannot read " + path.string());
  return std::move(*text);
}

}  // namespace quor::test
