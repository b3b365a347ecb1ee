#include "core/utf8.h"

namespace kedravo {
namespace {

// The smallest code point each count of continuation bytes may carry; a smaller one is an overlong form.
constexpr char32_t SMALLEST[] = {0, 0x80, 0x800, 0x10000};

bool isScalarValue(char32_t c, int extra) {
    return c >= SMALLEST[extra] && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
}

} // namespace

char32_t nextCodePoint(std::string_view utf8, std::size_t& at) {
    auto b = static_cast<unsigned char>(utf8[at]);
    int extra = b < 0x80 ? 0 : (b >> 5) == 0x6 ? 1 : (b >> 4) == 0xE ? 2 : (b >> 3) == 0x1E ? 3 : -1;
    char32_t c = extra == 0 ? b : extra == 1 ? (b & 0x1F) : extra == 2 ? (b & 0x0F) : (b & 0x07);
    bool valid = extra >= 0 && at + static_cast<std::size_t>(extra) < utf8.size();
    for (int k = 1; valid && k <= extra; ++k) {
        auto cont = static_cast<unsigned char>(utf8[at + static_cast<std::size_t>(k)]);
        valid = (cont & 0xC0) == 0x80;
        c = (c << 6) | (cont & 0x3F);
    }
    if (!valid || !isScalarValue(c, extra)) {
        ++at;
        return U'\uFFFD';
    }
    at += static_cast<std::size_t>(extra) + 1;
    return c;
}

std::u32string decodeUtf8(std::string_view utf8) {
    std::u32string out;
    out.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();)
        out.push_back(nextCodePoint(utf8, at));
    return out;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

std::string encodeUtf8(std::u32string_view codePoints) {
    std::string out;
    for (char32_t c : codePoints)
        appendUtf8(out, c);
    return out;
}

} // namespace kedravo
