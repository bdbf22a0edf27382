#include "platform/profile/ProfileStore.h"

#include <bit>
#include <cstring>

namespace quor {

namespace {

constexpr std::size_t kDoubleSize = sizeof(double);
static_assert(kDoubleSize == 8, "profile doubles are IEEE doubles of 8 bytes");
// Stored values are little-endian whatever machine wrote them.
static_assert(std::endian::native == std::endian::little, "the profile layout assumes a little-endian host");

}  // namespace

double ProfileStore::GetProfileDouble(const std::string& section, const std::string& entry,
                                      double defaultValue) const {
  const auto bytes = GetProfileBinary(section, entry);
  if (!bytes || bytes->size() != kDoubleSize) return defaultValue;
  double value = 0.0;
  std::memcpy(&value, bytes->data(), kDoubleSize);
  return value;
}

void ProfileStore::WriteProfileDouble(const std::string& section, const std::string& entry, double value) {
  std::vector<std::uint8_t> bytes(kDoubleSize);
  std::memcpy(bytes.data(), &value, kDoubleSize);
  WriteProfileBinary(section, entry, bytes);
}

}  // namespace quor
