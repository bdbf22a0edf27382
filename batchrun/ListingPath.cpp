#include "batchrun/ListingPath.h"

#include <filesystem>
#include <system_error>

namespace quor {

bool FileExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(path, error);
}

bool HasLstExtension(const std::string& path) {
  const auto dot = path.rfind('.');
  return dot != std::string::npos && path.compare(dot + 1, std::string::npos, "lst") == 0;
}

std::string BasePathOf(const std::string& path) {
  return path.substr(0, path.rfind('.'));
}

}  // namespace quor
