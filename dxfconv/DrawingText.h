// Text from the model text file, which holds UTF-8, for the drawing, whose
// code page is Windows-1252 ("ANSI_1252" in the DXF header).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quor::dxfconv {

// The UTF-8 text in Windows-1252, one byte per character. A character the
// code page cannot hold, a control character and a byte that is no UTF-8
// becomes `replacement`; a sequence cut short at the end (a byte-wise cut of
// the name line) is dropped.
std::string ToCodePage1252(std::string_view utf8, char replacement);

// The first `count` characters of the UTF-8 text (all of a shorter one),
// never ending inside a character.
std::string_view FirstCharacters(std::string_view utf8, std::size_t count);

// The lower-case letter of a Windows-1252 character; any other unchanged.
char LowerCase1252(char c);

}  // namespace quor::dxfconv
