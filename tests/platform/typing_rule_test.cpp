#include "core/utf16.h"
#include "platform/typing_rule.h"

#include <gtest/gtest.h>

namespace kedravo::platform {
namespace {

struct EditCase {
    const char* name;
    const char* before;
    const char* after;
    int cursor; // in UTF-16 units of `after`
    int maxBytes;
    const char* kept; // the text the box ends up with
    unsigned style = MULTI_LINE;
};

// As a Qt box holds its text: lines separated by a lone LF.
std::string applied(const EditCase& c) {
    const ControlDef box{0,   "BOX", ControlKind::EditBox,   0,  "",      0,         0,
                         100, 100,   FontFace::Proportional, 14, c.style, c.maxBytes};
    std::u16string text = toUtf16(c.after);
    if (auto fix = trimInsertion(box, LineBreak::Lf, toUtf16(c.before), text, static_cast<std::size_t>(c.cursor)))
        text.replace(fix->start, fix->end - fix->start, fix->kept);
    return fromUtf16(text);
}

TEST(EditInsertion, KeepsWhatFitsOfAnInsertion) {
    const EditCase cases[] = {
        {"typed within the limit", "10", "105", 3, 3, "105"},
        {"typed beyond the limit", "105", "1055", 4, 3, "105"},
        {"full-width counts two", "価格", "価格デ", 3, 5, "価格"},
        {"half-width katakana counts one", "ｱｲ", "ｱｲｳ", 3, 3, "ｱｲｳ"},
        {"paste cut where the limit is reached", "ab", "a12345b", 6, 5, "a123b"},
        {"paste of full-width not split", "", "ａｂｃ", 3, 5, "ａｂ"},
        {"paste goes on past a character that did not fit", "", "1234０5", 6, 5, "12345"},
        {"line break counts two", "ab", "ab\nc", 4, 4, "ab\n"},
        {"line break beyond the limit", "abc", "abc\n", 4, 4, "abc"},
        {"selection replaced", "abcd", "aXYd", 3, 4, "aXYd"},
        {"selection replaced beyond", "abcd", "aXYZd", 4, 4, "aXYd"},
        {"repeated character at the cursor", "ab", "abb", 2, 2, "ab"},
        {"no limit", "", "0123456789", 10, 0, "0123456789"},
        {"deletion always allowed", "abcdef", "abef", 2, 3, "abef"},
        {"program's long text may shrink", "abcdef", "abcdeX", 6, 3, "abcdeX"},
        {"program's long text may not grow", "abcdef", "abcdefg", 7, 3, "abcdef"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(applied(c), c.kept) << c.name;
}

TEST(EditInsertion, DropsCharactersTheBoxRefuses) {
    const EditCase cases[] = {
        {"yen sign", "1", "1¥2", 3, 0, "12"},
        {"emoji", "", "a😀b", 4, 0, "ab"},
        {"hangul", "", "한", 1, 10, ""},
        {"accented latin", "", "café", 4, 10, "caf"},
        {"full-width yen kept", "", "￥", 1, 10, "￥"},
        {"dropped before cutting", "", "¥¥¥123", 6, 2, "12"},
        {"tab", "", "a\tb", 3, 0, "ab"},
        {"line break in a single-line box", "", "a\nb", 3, 0, "ab", STYLE_NONE},
        {"double quote where the box refuses it", "", "\"日足\"", 4, 0, "日足", NO_DOUBLE_QUOTE},
        {"double quote elsewhere", "", "\"日足\"", 4, 0, "\"日足\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(applied(c), c.kept) << c.name;
}

TEST(EditInsertion, CountsLineBreaksAsTwoBytes) {
    const std::pair<const char*, int> cases[] = {
        {"", 0}, {"abc", 3}, {"日足", 4}, {"a\nb", 4}, {"\n\n", 4}, {"ｶﾞ", 2},
    };
    for (const auto& [text, bytes] : cases)
        EXPECT_EQ(cp932Bytes(toUtf16(text), LineBreak::Lf), bytes) << text;
}

} // namespace
} // namespace kedravo::platform
