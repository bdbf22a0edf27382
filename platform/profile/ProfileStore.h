// The per-user profile: named integer and binary values in sections, kept
// between runs. Documents, frames and views read their defaults from it and
// write the user's choices back.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quor {

class ProfileStore {
 public:
  virtual ~ProfileStore() = default;

  virtual int GetProfileInt(const std::string& section, const std::string& entry, int defaultValue) const = 0;
  virtual void WriteProfileInt(const std::string& section, const std::string& entry, int value) = 0;
  // Nothing when the value is missing or is not a binary value.
  virtual std::optional<std::vector<std::uint8_t>> GetProfileBinary(const std::string& section,
                                                                    const std::string& entry) const = 0;
  virtual void WriteProfileBinary(const std::string& section, const std::string& entry,
                                  const std::vector<std::uint8_t>& bytes) = 0;

  // Doubles are binary values of exactly 8 bytes; one of any other size is
  // taken as missing.
  double GetProfileDouble(const std::string& section, const std::string& entry, double defaultValue) const;
  void WriteProfileDouble(const std::string& section, const std::string& entry, double value);
};

}  // namespace quor
