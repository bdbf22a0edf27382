#include "platform/profile/FileProfile.h"

#include <wx/buffer.h>
#include <wx/fileconf.h>
#include <wx/log.h>

#include "platform/profile/FileConfigSave.h"

namespace quor {

namespace {

wxString Key(const std::string& section, const std::string& entry) {
  return wxString::FromUTF8("/" + section + "/" + entry);
}

}  // namespace

FileProfile::FileProfile(std::filesystem::path path) : m_path(std::move(path)) {
  // A profile that cannot be read is an empty one: the defaults apply.
  const wxLogNull quiet;
  m_config = std::make_unique<wxFileConfig>(wxString(), wxString(), wxString::FromUTF8(m_path.string()),
                                            wxString(), wxCONFIG_USE_LOCAL_FILE);
}

FileProfile::~FileProfile() = default;

int FileProfile::GetProfileInt(const std::string& section, const std::string& entry, int defaultValue) const {
  long value = 0;
  if (!m_config->Read(Key(section, entry), &value)) return defaultValue;
  return static_cast<int>(value);
}

void FileProfile::WriteProfileInt(const std::string& section, const std::string& entry, int value) {
  m_config->Write(Key(section, entry), static_cast<long>(value));
  Save();
}

std::optional<std::vector<std::uint8_t>> FileProfile::GetProfileBinary(const std::string& section,
                                                                       const std::string& entry) const {
  const wxLogNull quiet;  // text that is no binary value is simply not one
  wxMemoryBuffer buffer;
  if (!m_config->Read(Key(section, entry), &buffer)) return std::nullopt;
  const auto* data = static_cast<const std::uint8_t*>(buffer.GetData());
  return std::vector<std::uint8_t>(data, data + buffer.GetDataLen());
}

void FileProfile::WriteProfileBinary(const std::string& section, const std::string& entry,
                                     const std::vector<std::uint8_t>& bytes) {
  wxMemoryBuffer buffer;
  buffer.AppendData(bytes.data(), bytes.size());
  m_config->Write(Key(section, entry), buffer);
  Save();
}

void FileProfile::Save() {
  // Settings that cannot be saved are lost, as an unwritable registry's
  // would be; no message interrupts the user.
  const wxLogNull quiet;
  SaveFileConfig(*m_config, m_path);
}

}  // namespace quor
