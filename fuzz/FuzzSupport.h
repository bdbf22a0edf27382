// What every harness shares: a folder of the process's own for readers that
// take a path, and a way to stop loudly when a rule of the program breaks, so
// that the fuzzer keeps the input that broke it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace quor::fuzz {

// Made on first use, removed when the process ends.
const std::filesystem::path& ScratchDirectory();

// Creates or replaces `name` in the scratch folder with exactly these bytes.
std::filesystem::path WriteScratchFile(const std::string& name, const std::uint8_t* data, std::size_t size);

// Says which rule broke and aborts.
[[noreturn]] void Broken(const std::string& rule);

}  // namespace quor::fuzz
