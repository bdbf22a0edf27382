// Numbers as the converter writes them into DXF text and reads the handle
// seed, independent of any locale.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quor::dxfconv {

std::string FormatInteger(std::int64_t value);

// Upper-case hexadecimal without leading zeros, as DXF handles are written.
std::string FormatHandle(std::int64_t handle);

// The shortest text that reads back to the same value, always with a decimal
// point or an exponent so that it reads as a real.
std::string FormatReal(float value);
std::string FormatReal(double value);

// A handle seed: hexadecimal digits only, at most 32 bits wide, so that the
// handles given out after it cannot overflow.
std::optional<std::int64_t> ParseHandle(std::string_view text);

}  // namespace quor::dxfconv
