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

TEST(Utf8, InvalidBytesDecodeOneAtATime) {
    std::u32string cps = decodeUtf8(std::string("a\xff\xe3\x81", 4));
    EXPECT_EQ(cps, (std::u32string{U'a', U'\uFFFD', U'\uFFFD', U'\uFFFD'}));
}

} // namespace
} // namespace kedravo
