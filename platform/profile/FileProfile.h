// The profile kept in a text file through wxFileConfig. Every write is saved
// at once, so a crash loses nothing and another instance sees the value.
#pragma once

#include <filesystem>
#include <memory>

#include "platform/profile/ProfileStore.h"

class wxFileConfig;

namespace quor {

class FileProfile : public ProfileStore {
 public:
  // Reads the file if it exists; a missing or unreadable file is an empty profile.
  explicit FileProfile(std::filesystem::path path);
  ~FileProfile() override;
  FileProfile(const FileProfile&) = delete;
  FileProfile& operator=(const FileProfile&) = delete;

  int GetProfileInt(const std::string& section, const std::string& entry, int defaultValue) const override;
  void WriteProfileInt(const std::string& section, const std::string& entry, int value) override;
  std::optional<std::vector<std::uint8_t>> GetProfileBinary(const std::string& section,
                                                            const std::string& entry) const override;
  void WriteProfileBinary(const std::string& section, const std::string& entry,
                          const std::vector<std::uint8_t>& bytes) override;

  const std::filesystem::path& GetPath() const { return m_path; }

 private:
  void Save();

  std::filesystem::path m_path;
  std::unique_ptr<wxFileConfig> m_config;
};

}  // namespace quor
