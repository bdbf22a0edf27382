// Whole files as text, for tests that set up a program's input or look at
// what it wrote.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quor::test {

// Creates or replaces the file with exactly these bytes; throws
// std::runtime_error when it cannot be written.
void WriteFile(const std::filesystem::path& path, std::string_view text);

// The whole content; throws std::runtime_error when the file cannot be read,
// so that a missing file fails the test instead of passing as empty.
std::string ReadFile(const std::filesystem::path& path);

// The whole content, or nothing when there is no such file.
std::optional<std::string> ReadFileIfExists(const std::filesystem::path& path);

}  // namespace quor::test
