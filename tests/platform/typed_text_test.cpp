#include "platform/qt/typed_text.h"

#include <gtest/gtest.h>

namespace kedravo::platform::qt {
namespace {

struct EditCase {
    const char* name;
    const char* before;
    const char* after;
    int cursor; // in UTF-16 units of `after`
    int maxBytes;
    const char* kept; // the text the box ends up with
};

QString applied(const EditCase& c, const QString& refused = {}) {
    const QString after = QString::fromUtf8(c.after);
    QString text = after;
    if (auto fix = trimInsertion(QString::fromUtf8(c.before), after, c.cursor, c.maxBytes, refused))
        text.replace(fix->start, fix->end - fix->start, fix->kept);
    return text;
}

TEST(TypedText, KeepsWhatFitsOfAnInsertion) {
    const EditCase cases[] = {
        {"typed within the limit", "10", "105", 3, 3, "105"},
        {"typed beyond the limit", "105", "1055", 4, 3, "105"},
        {"full-width counts two", "価格", "価格デ", 3, 5, "価格"},
        {"half-width katakana counts one", "ｱｲ", "ｱｲｳ", 3, 3, "ｱｲｳ"},
        {"paste cut where the limit is reached", "ab", "a12345b", 6, 5, "a123b"},
        {"paste of full-width not split", "", "ａｂｃ", 3, 5, "ａｂ"},
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
        EXPECT_EQ(applied(c).toStdString(), c.kept) << c.name;
}

TEST(TypedText, DropsCharactersCodePage932CannotHold) {
    const EditCase cases[] = {
        {"yen sign", "1", "1¥2", 3, 0, "12"},
        {"emoji", "", "a😀b", 4, 0, "ab"},
        {"hangul", "", "한", 1, 10, ""},
        {"accented latin", "", "café", 4, 10, "caf"},
        {"full-width yen kept", "", "￥", 1, 10, "￥"},
        {"dropped before cutting", "", "¥¥¥123", 6, 2, "12"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(applied(c).toStdString(), c.kept) << c.name;
}

TEST(TypedText, DropsTheCharactersTheBoxRefuses) {
    const QString quote = QStringLiteral("\"");
    const std::pair<EditCase, QString> cases[] = {
        {{"typed", "2024/", "2024/\"", 6, 10, "2024/"}, quote},
        {{"pasted among others", "", "\"10\":11", 6, 10, "10:11"}, quote},
        {{"takes no room", "", "\"1234", 5, 3, "123"}, quote},
        {{"full-width form kept", "", "＂", 1, 10, "＂"}, quote},
        {{"nothing refused", "", "\"1\"", 3, 10, "\"1\""}, QString()},
    };
    for (const auto& [c, refused] : cases)
        EXPECT_EQ(applied(c, refused).toStdString(), c.kept) << c.name;
}

TEST(TypedText, CountsLineBreaksAsTwoBytes) {
    const std::pair<const char*, int> cases[] = {
        {"", 0}, {"abc", 3}, {"日足", 4}, {"a\nb", 4}, {"\n\n", 4}, {"ｶﾞ", 2},
    };
    for (const auto& [text, bytes] : cases)
        EXPECT_EQ(cp932Bytes(QString::fromUtf8(text)), bytes) << text;
}

} // namespace
} // namespace kedravo::platform::qt
