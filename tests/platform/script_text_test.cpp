#include "platform/scripted/script_text.h"

#include <gtest/gtest.h>
#include <random>

namespace kedravo::platform {
namespace {

Word plain(const char* text) {
    return {text, false};
}
Word inQuotes(const char* text) {
    return {text, true};
}

TEST(SplitWords, SeparatesAtBlanksOutsideQuotes) {
    struct SplitCase {
        const char* name;
        const char* line;
        std::vector<Word> words;
    };
    const SplitCase cases[] = {
        {"empty", "", {}},
        {"blanks only", " \t ", {}},
        {"plain words", "pick  COMBO1\t2", {plain("pick"), plain("COMBO1"), plain("2")}},
        {"quoted word with blanks", "type EDIT6 \"ドル 円\"", {plain("type"), plain("EDIT6"), inQuotes("ドル 円")}},
        {"escapes", R"("a\\b\"c\r\nd\te")", {inQuotes("a\\b\"c\r\nd\te")}},
        {"empty quoted word", "answer input \"\"", {plain("answer"), plain("input"), inQuotes("")}},
        {"quoted cancel is a text", "\"cancel\" cancel", {inQuotes("cancel"), plain("cancel")}},
        {"backslashes outside quotes are literal",
         R"(answer save C:\data\x.txt)",
         {plain("answer"), plain("save"), plain(R"(C:\data\x.txt)")}},
    };
    for (const SplitCase& c : cases) {
        Words split = splitWords(c.line);
        EXPECT_EQ(split.error, "") << c.name;
        EXPECT_EQ(split.words, c.words) << c.name;
    }
}

TEST(SplitWords, NamesWhatIsWrongWithALine) {
    const std::pair<const char*, const char*> cases[] = {
        {"type EDIT6 \"abc", "missing closing quote"},
        {"type EDIT6 \"abc\\", "missing closing quote"},
        {R"(type EDIT6 "a\qb")", "unknown escape \\q"},
        {"type EDIT6 \"abc\"def", "a blank must follow a closing quote"},
        {"type EDIT6 ab\"c\"", "a quote inside a word"},
    };
    for (const auto& [line, error] : cases) {
        Words split = splitWords(line);
        EXPECT_EQ(split.error, error) << line;
        EXPECT_TRUE(split.words.empty()) << line;
    }
}

TEST(QuoteText, EscapesWhatAQuotedWordCannotHoldAsItIs) {
    const std::pair<const char*, const char*> cases[] = {
        {"", R"("")"},
        {"112.50 （日足） 1回", R"("112.50 （日足） 1回")"},
        {"a\\b\"c", R"("a\\b\"c")"},
        {"line\r\nnext\tend", R"("line\r\nnext\tend")"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(quoteText(text), expected) << text;
}

TEST(QuoteText, SplitsBackIntoTheSameText) {
    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    const std::string alphabet[] = {"a", " ", "\t", "\r", "\n", "\\", "\"", "#", "円", "ｶ", "r", "n"};
    std::uniform_int_distribution<std::size_t> pick(0, std::size(alphabet) - 1);
    std::uniform_int_distribution<int> length(0, 12);
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        for (int n = length(random); n > 0; --n)
            text += alphabet[pick(random)];
        Words split = splitWords("type X " + quoteText(text));
        ASSERT_EQ(split.words.size(), 3u) << "seed " << seed << ": " << quoteText(text);
        ASSERT_EQ(split.words[2], inQuotes(text.c_str())) << "seed " << seed;
    }
}

} // namespace
} // namespace kedravo::platform
