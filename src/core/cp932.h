#pragma once
// Conversion between the UTF-8 text held in memory and the code page 932 bytes of the data files.
#include <cstddef>
#include <string>
#include <string_view>

namespace kedravo {

// The result of a conversion: on failure `text` holds what was converted before the offending byte, and
// `badOffset` is that byte's offset in the input.
struct Conversion {
    std::string text;
    bool ok = true;
    std::size_t badOffset = 0;
};

Conversion utf8ToCp932(std::string_view utf8);
Conversion cp932ToUtf8(std::string_view bytes);

// True when every character survives the trip to code page 932 and back unchanged (some characters, such as
// U+00A5, convert one way only and so cannot be held).
bool fitsCp932(std::string_view utf8);

// A byte below 0x80: the same character in code page 932 and in UTF-8, and never part of another one.
bool isAscii(char c);

// Width in code page 932 bytes: a half-width character (ASCII, half-width katakana) counts 1, any other 2.
int cp932Width(std::string_view utf8);

} // namespace kedravo
