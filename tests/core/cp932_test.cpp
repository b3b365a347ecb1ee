#include "core/cp932.h"
#include "core/utf8.h"

#include <gtest/gtest.h>
#include <random>

namespace kedravo {
namespace {

struct WidthCase {
    const char* name;
    const char* utf8;
    int width;
};

TEST(Cp932Width, CountsHalfWidthOneAndFullWidthTwo) {
    const WidthCase cases[] = {
        {"empty", "", 0},
        {"ascii", "112.5", 5},
        {"full-width digits", "１２", 4},
        {"brackets and kanji", "（日足）", 8},
        {"half-width katakana", "ｶﾞ", 2},
        {"line break", "a\r\nb", 4},
        {"mixed", "１ページ", 8},
        {"invalid bytes, each read as a replacement character", "a\xff\xe3\x81", 7},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cp932Width(c.utf8), c.width) << c.name;
}

TEST(Cp932Fits, RefusesWhatCannotComeBackUnchanged) {
    const std::pair<const char*, bool> cases[] = {
        {"価格データ", true}, {"\\~", true}, {"ｱｲｳ", true},   {"＼～", true},
        {"¥", false},         {"😀", false},  {"한국", false}, {"é", false},
    };
    for (const auto& [text, fits] : cases)
        EXPECT_EQ(fitsCp932(text), fits) << text;
}

TEST(Cp932Conversion, KnownBytes) {
    Conversion c = utf8ToCp932("バージョン,200");
    ASSERT_TRUE(c.ok);
    EXPECT_EQ(c.text, "\x83\x6f\x81\x5b\x83\x57\x83\x87\x83\x93,200");
    Conversion back = cp932ToUtf8(c.text);
    ASSERT_TRUE(back.ok);
    EXPECT_EQ(back.text, "バージョン,200");
}

TEST(Cp932Conversion, ReportsWhereInvalidInputStarts) {
    const std::tuple<const char*, std::string, std::size_t> cases[] = {
        {"lone lead byte at end", std::string("ab\x83", 3), 2},
        {"undefined byte", std::string("abc\xa0x", 5), 3},
        {"bad trail byte",
         std::string("\x83\x6f"
                     "a\x81\x01",
                     5),
         3},
    };
    for (const auto& [name, bytes, offset] : cases) {
        Conversion c = cp932ToUtf8(bytes);
        EXPECT_FALSE(c.ok) << name;
        EXPECT_EQ(c.badOffset, offset) << name;
    }
    Conversion u = utf8ToCp932("ab😀c");
    EXPECT_FALSE(u.ok);
    EXPECT_EQ(u.badOffset, 2u);
    EXPECT_EQ(u.text, "ab");
}

// Every valid two-byte code of the lead range round-trips, and long texts convert across buffer boundaries.
TEST(Cp932Conversion, RandomTextsRoundTrip) {
    const unsigned seed = 20261208;
    std::mt19937 rng(seed);
    const char32_t alphabet[] = {U'a',  U'1',  U'.', U',', U':',  U'"', U' ',  U'価', U'格',
                                 U'（', U'）', U'ｶ', U'ﾞ', U'\\', U'~', U'ー', U'　', U'回'};
    for (int round = 0; round < 200; ++round) {
        std::u32string text;
        int length = static_cast<int>(rng() % 3000);
        for (int i = 0; i < length; ++i)
            text.push_back(alphabet[rng() % std::size(alphabet)]);
        std::string utf8 = encodeUtf8(text);
        Conversion there = utf8ToCp932(utf8);
        ASSERT_TRUE(there.ok) << "seed " << seed << " round " << round;
        EXPECT_EQ(static_cast<int>(there.text.size()), cp932Width(utf8)) << "seed " << seed << " round " << round;
        EXPECT_EQ(cp932ToUtf8(there.text).text, utf8) << "seed " << seed << " round " << round;
    }
}

TEST(Utf8, DecodesScalarValuesAndInvalidBytesOneAtATime) {
    const char32_t X = U'\uFFFD';
    const struct {
        const char* name;
        std::string bytes;
        std::u32string decoded;
    } cases[] = {
        {"cut sequence", std::string("a\xff\xe3\x81", 4), {U'a', X, X, X}},
        {"ends of one to four bytes",
         "\x7f\xc2\x80\xdf\xbf\xe0\xa0\x80\xef\xbf\xbf\xf0\x90\x80\x80\xf4\x8f\xbf\xbf",
         {0x7F, 0x80, 0x7FF, 0x800, 0xFFFF, 0x10000, 0x10FFFF}},
        {"around the surrogates", "\xed\x9f\xbf\xee\x80\x80", {0xD7FF, 0xE000}},
        {"overlong NUL", std::string("\xc0\x80", 2), {X, X}},
        {"overlong two bytes", "\xc1\xbf", {X, X}},
        {"overlong three bytes", "\xe0\x9f\xbf", {X, X, X}},
        {"overlong four bytes", "\xf0\x8f\xbf\xbf", {X, X, X, X}},
        {"first surrogate", "\xed\xa0\x80", {X, X, X}},
        {"last surrogate", "\xed\xbf\xbf", {X, X, X}},
        {"past U+10FFFF", "\xf4\x90\x80\x80", {X, X, X, X}},
        {"no lead byte above F4", "\xf5\x80\x80\x80", {X, X, X, X}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(decodeUtf8(c.bytes), c.decoded) << c.name;
}

} // namespace
} // namespace kedravo
