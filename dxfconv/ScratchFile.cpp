#include "dxfconv/ScratchFile.h"

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <system_error>

namespace quor::dxfconv {

ScratchFile::ScratchFile() {
  std::error_code error;
  const std::filesystem::path directory = std::filesystem::temp_directory_path(error);
  if (error) return;
  std::string path = (directory / "quor_dxf_conv.XXXXXX").string();
  const int fd = ::mkstemp(path.data());
  if (fd < 0) return;
  ::close(fd);
  m_stream.open(path, std::ios::in | std::ios::out | std::ios::trunc | std::ios::binary);
  ::unlink(path.c_str());
}

}  // namespace quor::dxfconv
