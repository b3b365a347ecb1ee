#include "core/cp932.h"

#include "core/utf8.h"

namespace kedravo {

bool fitsCp932(std::string_view utf8) {
    Conversion there = utf8ToCp932(utf8);
    if (!there.ok)
        return false;
    Conversion back = cp932ToUtf8(there.text);
    return back.ok && back.text == utf8;
}

bool isAscii(char c) {
    return static_cast<unsigned char>(c) < 0x80;
}

int cp932Width(std::string_view utf8) {
    int width = 0;
    for (std::size_t at = 0; at < utf8.size();) {
        const char32_t c = nextCodePoint(utf8, at);
        width += (c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F)) ? 1 : 2;
    }
    return width;
}

} // namespace kedravo
