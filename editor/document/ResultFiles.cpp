#include "editor/document/ResultFiles.h"

#include <filesystem>
#include <system_error>

namespace quor {

namespace {

// Conductor indices run from 0 to 20, and conductor 0 is the reference.
constexpr int kMaxPorts = 20;

std::string::size_type ExtensionDot(const std::string& path) {
  const auto dot = path.rfind('.');
  const auto slash = path.rfind('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return std::string::npos;
  return dot;
}

}  // namespace

std::string BasePathOf(const std::string& path) {
  const auto dot = ExtensionDot(path);
  return dot == std::string::npos ? path : path.substr(0, dot);
}

bool HasExtension(const std::string& path) {
  return ExtensionDot(path) != std::string::npos;
}

bool FileExists(const std::string& path) {
  std::error_code ignored;
  return std::filesystem::exists(path, ignored);
}

bool IsSameFile(const std::string& first, const std::string& second) {
  if (first == second) return true;
  std::error_code error;
  return std::filesystem::equivalent(first, second, error) && !error;
}

void DeleteFileQuietly(const std::string& path) {
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
}

std::string TouchstoneExtension(int ports) {
  if (ports < 0) ports = 0;
  return ports < 10 ? "y" + std::to_string(ports) + "p" : "y" + std::to_string(ports);
}

void DeleteResultFilesAt(const std::string& basePath) {
  DeleteFileQuietly(basePath + ".lst");
  DeleteFileQuietly(basePath + ".dat");
  DeleteFileQuietly(basePath + ".ckt");
  for (int ports = 0; ports <= kMaxPorts; ++ports)
    DeleteFileQuietly(basePath + "." + TouchstoneExtension(ports));
}

}  // namespace quor
