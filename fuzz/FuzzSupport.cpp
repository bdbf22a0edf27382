#include "fuzz/FuzzSupport.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "platform/paths/TemporaryDirectory.h"

namespace quor::fuzz {

const std::filesystem::path& ScratchDirectory() {
  static const TemporaryDirectory directory("quor-fuzz-");
  if (directory.Path().empty()) Broken("no scratch folder could be made");
  return directory.Path();
}

std::filesystem::path WriteScratchFile(const std::string& name, const std::uint8_t* data, std::size_t size) {
  const std::filesystem::path path = ScratchDirectory() / name;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  out.close();
  if (!out) Broken("the input could not be written to " + path.string());
  return path;
}

void Broken(const std::string& rule) {
  std::fprintf(stderr, "broken rule: %s\n", rule.c_str());
  std::abort();
}

}  // namespace quor::fuzz
