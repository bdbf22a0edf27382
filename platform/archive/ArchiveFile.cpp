#include "platform/archive/ArchiveFile.h"

#include <fstream>
#include <iterator>

#include "platform/archive/ArchiveException.h"

namespace quor {

std::vector<std::uint8_t> ReadArchiveFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw ArchiveException(ArchiveException::Cause::Generic, path.string());
  std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  if (file.bad()) throw ArchiveException(ArchiveException::Cause::Generic, path.string());
  return bytes;
}

void WriteArchiveFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) throw ArchiveException(ArchiveException::Cause::Generic, path.string());
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  file.close();
  if (!file) throw ArchiveException(ArchiveException::Cause::Generic, path.string());
}

}  // namespace quor
