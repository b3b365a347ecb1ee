#include "core/typed_text.h"

#include <gtest/gtest.h>

namespace kedravo {
namespace {

struct TypedCase {
    const char* name;
    const char* typed;
    int maxBytes;
    bool multiLine;
    const char* kept;
};

TEST(TypedText, KeepsWhatTheBoxAcceptsCharacterByCharacter) {
    const TypedCase cases[] = {
        {"fits", "105.25", 10, false, "105.25"},
        {"stops at the limit", "1234567890AB", 10, false, "1234567890"},
        {"full-width counts two", "ＡＢＣ", 5, false, "ＡＢ"},
        {"a narrow character still fits after a wide one is dropped", "ＡＢＣd", 5, false, "ＡＢd"},
        {"half-width katakana counts one", "ｱｲｳｴｵ", 4, false, "ｱｲｳｴ"},
        {"no limit", "ＡＢＣＤＥＦ", 0, false, "ＡＢＣＤＥＦ"},
        {"characters CP932 cannot hold are dropped", "1¥2😀3é", 10, false, "123"},
        {"control characters are keys, not text",
         "a\tb\x1b"
         "c",
         10, false, "abc"},
        {"single-line boxes take no line break", "a\r\nb\nc\rd", 10, false, "abcd"},
        {"CR LF is one line break", "a\r\nb", 10, true, "a\r\nb"},
        {"LF alone is a line break", "a\nb", 10, true, "a\r\nb"},
        {"CR alone is a line break", "a\rb", 10, true, "a\r\nb"},
        {"a line break counts two", "ab\ncd", 5, true, "ab\r\nc"},
        {"a line break that does not fit is dropped", "abc\nd", 4, true, "abcd"},
        {"a text ending in a line break", "a\n", 3, true, "a\r\n"},
        {"invalid UTF-8 is dropped",
         "a\xff"
         "b",
         10, false, "ab"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(typedText(c.typed, c.maxBytes, c.multiLine), c.kept) << c.name;
}

TEST(TypedText, DropsTheCharactersTheBoxRefuses) {
    struct RefusedCase {
        const char* name;
        const char* typed;
        std::u32string_view refused;
        const char* kept;
    };
    const RefusedCase cases[] = {
        {"a refused character is dropped, typing goes on", "2024/\"01\"", U"\"", "2024/01"},
        {"a dropped character takes no room", "\"12345678901", U"\"", "1234567890"},
        {"the full-width form is another character", "＂1＂", U"\"", "＂1＂"},
        {"nothing refused", "\"1\"", U"", "\"1\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(typedText(c.typed, 10, false, c.refused), c.kept) << c.name;
}

} // namespace
} // namespace kedravo
