#include "dxfconv/DrawingText.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>

namespace quor::dxfconv {

namespace {

// The characters of bytes 0x80..0x9F; 0 where the code page has none. Bytes
// 0xA0..0xFF are the characters of the same number.
constexpr std::array<char32_t, 32> kHighBlock = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

constexpr char32_t kInvalid = 0xFFFD;

// The continuation bytes that follow a lead byte and the bits the lead gives.
struct Lead {
  int continuations = 0;
  char32_t bits = 0;
};

std::optional<Lead> LeadOf(unsigned char byte) {
  if (byte < 0x80) return Lead{0, byte};
  if (byte >= 0xC2 && byte < 0xE0) return Lead{1, byte & 0x1Fu};
  if (byte >= 0xE0 && byte < 0xF0) return Lead{2, byte & 0x0Fu};
  if (byte >= 0xF0 && byte < 0xF5) return Lead{3, byte & 0x07u};
  return std::nullopt;
}

bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0u) == 0x80u;
}

// Decodes the character at text[at], moving at past it. Overlong forms and
// surrogates count as invalid; nothing when the text ends inside a sequence.
std::optional<char32_t> NextCharacter(std::string_view text, std::size_t& at) {
  const std::optional<Lead> lead = LeadOf(static_cast<unsigned char>(text[at++]));
  if (!lead) return kInvalid;
  char32_t c = lead->bits;
  for (int k = 0; k < lead->continuations; ++k) {
    if (at == text.size()) return std::nullopt;
    const auto byte = static_cast<unsigned char>(text[at]);
    if (!IsContinuation(byte)) return kInvalid;
    c = (c << 6) | (byte & 0x3Fu);
    ++at;
  }
  constexpr std::array<char32_t, 4> kSmallest = {0, 0x80, 0x800, 0x10000};
  const bool overlong = c < kSmallest[static_cast<std::size_t>(lead->continuations)];
  const bool surrogate = c >= 0xD800 && c < 0xE000;
  return overlong || surrogate || c > 0x10FFFF ? kInvalid : c;
}

std::optional<char> ByteOf(char32_t c) {
  if (c < 0x20 || c == 0x7F) return std::nullopt;
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  const auto found = std::find(kHighBlock.begin(), kHighBlock.end(), c);
  if (found == kHighBlock.end()) return std::nullopt;
  return static_cast<char>(0x80 + (found - kHighBlock.begin()));
}

}  // namespace

std::string ToCodePage1252(std::string_view utf8, char replacement) {
  std::string text;
  for (std::size_t at = 0; at < utf8.size();) {
    const std::optional<char32_t> c = NextCharacter(utf8, at);
    if (!c) break;
    text += ByteOf(*c).value_or(replacement);
  }
  return text;
}

std::string_view FirstCharacters(std::string_view utf8, std::size_t count) {
  std::size_t end = 0;
  for (std::size_t characters = 0; end < utf8.size(); ++end) {
    if (IsContinuation(static_cast<unsigned char>(utf8[end]))) continue;
    if (characters++ == count) break;
  }
  return utf8.substr(0, end);
}

char LowerCase1252(char c) {
  const auto byte = static_cast<unsigned char>(c);
  const bool latinCapital = byte >= 0xC0 && byte <= 0xDE && byte != 0xD7;
  if ((byte >= 'A' && byte <= 'Z') || latinCapital) return static_cast<char>(byte + 0x20);
  switch (byte) {
    case 0x8A:  // S caron
    case 0x8C:  // OE
    case 0x8E:  // Z caron
      return static_cast<char>(byte + 0x10);
    case 0x9F:  // Y diaeresis
      return static_cast<char>(0xFF);
    default:
      return c;
  }
}

}  // namespace quor::dxfconv
