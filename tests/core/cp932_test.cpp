#include "core/cp932.h"
#include "core/utf8.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <iconv.h>
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

// The conversion iconv gives for the whole input at once, where it stops and what it gave before stopping.
Conversion wholeInputIconv(const char* to, const char* from, const std::string& in) {
    iconv_t cd = iconv_open(to, from);
    Conversion out;
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    std::string buffer(4 * in.size() + 16, '\0');
    char* dst = buffer.data();
    std::size_t dstLeft = buffer.size();
    if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) == static_cast<std::size_t>(-1)) {
        out.ok = false;
        out.badOffset = in.size() - srcLeft;
    }
    out.text.assign(buffer.data(), static_cast<std::size_t>(dst - buffer.data()));
    iconv_close(cd);
    return out;
}

// Runs of ASCII bytes are copied without iconv; around them the results, failures included, must be exactly
// iconv's for the whole input. The pieces put ASCII bytes where they are trail bytes, lone lead bytes before
// ASCII and at the end, bytes no code maps, and characters code page 932 lacks.
TEST(Cp932Conversion, AsciiRunsChangeNothing) {
    const unsigned seed = 20261209;
    std::mt19937 rng(seed);
    const char* const cp932Pieces[] = {"a",        "1,",   "\\",       "~",        "\x83\x5c", "\x83\x6f",
                                       "\x81\x40", "\xb1", "\xdf",     "\x81",     "\x81\x01", "\xa0",
                                       "\xfd",     "\x80", "\xfc\xfc", "\xe0\x7e", "\xf0\x40", "\r\n"};
    const char* const utf8Pieces[] = {"a", "1,", "\\", "~",    "価格",     "ｶﾞ",  "（）",
                                      "¥", "é",  "😀",  "\xff", "\xe3\x81", "\r\n"};
    for (int round = 0; round < 2000; ++round) {
        std::string cp932;
        std::string utf8;
        for (int i = static_cast<int>(rng() % 12); i > 0; --i) {
            cp932 += cp932Pieces[rng() % std::size(cp932Pieces)];
            utf8 += utf8Pieces[rng() % std::size(utf8Pieces)];
        }
        for (const auto& [mine, oracle] : {std::pair{cp932ToUtf8(cp932), wholeInputIconv("UTF-8", "CP932", cp932)},
                                           std::pair{utf8ToCp932(utf8), wholeInputIconv("CP932", "UTF-8", utf8)}}) {
            EXPECT_EQ(mine.ok, oracle.ok) << "seed " << seed << " round " << round;
            EXPECT_EQ(mine.text, oracle.text) << "seed " << seed << " round " << round;
            if (!oracle.ok) {
                EXPECT_EQ(mine.badOffset, oracle.badOffset) << "seed " << seed << " round " << round;
            }
        }
    }
}

TEST(Utf8, InvalidBytesDecodeOneAtATime) {
    std::u32string cps = decodeUtf8(std::string("a\xff\xe3\x81", 4));
    EXPECT_EQ(cps, (std::u32string{U'a', U'\uFFFD', U'\uFFFD', U'\uFFFD'}));
}

} // namespace
} // namespace kedravo
