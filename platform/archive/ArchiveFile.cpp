#include "platform/archive/ArchiveFile.h"

#include <fstream>
#include <iterator>

#include "platform/archive/ArchiveException.h"
#include "platform/file/ReplaceFile.h"

namespace quor {

std::vector<std::uint8_t> ReadArchiveFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw ArchiveException(ArchiveException::Cause::Generic, path.string());
  std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  if (file.bad()) throw ArchiveException(ArchiveException::Cause::Generic, path.string());
  return bytes;
}

void WriteArchiveFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
  if (const std::error_code error = ReplaceFile(path, bytes))
    throw ArchiveException(ArchiveException::Cause::Generic, path.string(), error.message());
}

}  // namespace quor
