// The conversion against glibc's iconv itself, where it is the implementation.
#include "core/cp932.h"

#include <gtest/gtest.h>
#include <iconv.h>
#include <random>

namespace kedravo {
namespace {

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

} // namespace
} // namespace kedravo
