#include "core/typed_text.h"

#include "core/cp932.h"
#include "core/line_break.h"
#include "core/utf8.h"

namespace kedravo {
namespace {

bool isControl(char32_t c) {
    return c < 0x20 || c == 0x7F;
}

} // namespace

std::string typedText(std::string_view typed, int maxBytes, bool multiLine, std::u32string_view refused) {
    const std::u32string chars = decodeUtf8(typed);
    std::string text;
    int width = 0;
    for (std::size_t i = 0; i < chars.size(); ++i) {
        std::string key;
        if (chars[i] == U'\r' || chars[i] == U'\n') {
            if (chars[i] == U'\r' && i + 1 < chars.size() && chars[i + 1] == U'\n')
                ++i;
            if (!multiLine)
                continue;
            key = LINE_BREAK;
        } else {
            if (isControl(chars[i]) || refused.find(chars[i]) != std::u32string_view::npos)
                continue;
            appendUtf8(key, chars[i]);
            if (!fitsCp932(key))
                continue;
        }
        const int keyWidth = cp932Width(key);
        if (maxBytes > 0 && width + keyWidth > maxBytes)
            continue;
        text += key;
        width += keyWidth;
    }
    return text;
}

} // namespace kedravo
