#include "core/half_width.h"

#include <gtest/gtest.h>
#include <string>

namespace kedravo {
namespace {

struct HalfWidthCase {
    const char* name;
    std::string in;
    std::string out;
};

TEST(HalfWidth, ConvertsExactlyTheCharactersOfTheTable) {
    const HalfWidthCase cases[] = {
        {"digits and point", "１０５．２５", "105.25"},
        {"ideographic space", "　１", " 1"},
        {"first and last of the ASCII forms", "！｝", "!}"},
        {"letters and sign", "Ａｚ－＋", "Az-+"},
        {"yen sign stands for the backslash", "￥", "\\"},
        {"full-width reverse solidus is not in the table", "＼", "＼"},
        {"macron stands for the tilde", "￣", "~"},
        {"full-width tilde is not in the table", "～", "～"},
        {"plain katakana", "アイウカタナ", "ｱｲｳｶﾀﾅ"},
        {"small katakana", "ァッャョ", "ｧｯｬｮ"},
        {"voiced", "ガザダバ", "ｶﾞｻﾞﾀﾞﾊﾞ"},
        {"semi-voiced", "パピプペポ", "ﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟ"},
        {"vu", "ヴ", "ｳﾞ"},
        {"wo and n", "ヲン", "ｦﾝ"},
        {"long mark and middle dot", "ー・", "ｰ･"},
        {"punctuation with half-width forms", "、。「」゛゜", "､｡｢｣ﾞﾟ"},
        {"katakana without half-width forms stay", "ヮヰヱヵヶ", "ヮヰヱヵヶ"},
        {"hiragana and kanji stay", "あ日足", "あ日足"},
        {"half-width stays", "ｶﾞ112.5", "ｶﾞ112.5"},
        {"mixed", "１１２．５円", "112.5円"},
        {"invalid bytes pass through", std::string("a\xEF\xBC", 3), std::string("a\xEF\xBC", 3)},
        {"empty", "", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(toHalfWidth(c.in), c.out) << c.name;
}

} // namespace
} // namespace kedravo
