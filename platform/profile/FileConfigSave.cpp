#include "platform/profile/FileConfigSave.h"

#include <wx/fileconf.h>
#include <wx/mstream.h>

#include <cstdint>
#include <system_error>
#include <vector>

#include "platform/file/ReplaceFile.h"

namespace quor {

bool SaveFileConfig(wxFileConfig& config, const std::filesystem::path& path) {
  wxMemoryOutputStream text;
  // Marks the configuration saved, so that its destructor does not write the
  // file again its own way.
  if (!config.Save(text)) return false;
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(text.GetLength()));
  text.CopyTo(bytes.data(), bytes.size());
  std::error_code ignored;
  std::filesystem::create_directories(path.parent_path(), ignored);
  return !ReplaceFile(path, bytes);
}

}  // namespace quor
