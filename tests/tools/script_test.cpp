#include "../platform/test_catalogue.h"
#include "script.h"
#include "support/cases.h"

#include <gtest/gtest.h>

namespace kedravo::script {
namespace {

using namespace kedravo::test;

struct ErrorCase {
    const char* name;
    const char* script;
    int line;
    const char* message;
};

TEST(ParseScript, NamesTheLineAndWhatIsWrong) {
    const ErrorCase cases[] = {
        {"unknown command", "start\npress BUTTON", 2, "unknown command \"press\""},
        {"too few words", "start\nclick", 2, "usage: click NAME"},
        {"too many words", "start\ntype NAME 1 2", 2, "usage: type NAME TEXT"},
        {"show needs a name", "start\nshow", 2, "usage: show NAME..."},
        {"unknown name", "start\nclick BUTON", 2, "no window or control named \"BUTON\""},
        {"click on a list", "start\nclick MANY", 2, "MANY is not a push button, radio button or check box"},
        {"click on a window", "start\nclick MAIN", 2, "MAIN is not a push button, radio button or check box"},
        {"pick on a list box", "start\npick MANY 0", 2, "MANY is not a drop-down list"},
        {"row on a drop-down", "start\nrow PICK 0", 2, "PICK is not a list box"},
        {"type into a static text", "start\ntype LABEL x", 2, "LABEL is not an edit box"},
        {"snap a control", "start\nsnap BUTTON a.png", 2, "BUTTON is not a window"},
        {"close a control", "start\nclose BUTTON", 2, "BUTTON is not a window"},
        {"a key without a name", "start\nkey MAIN ctrl+return", 2,
         "not a key chord such as ctrl+z or enter: \"ctrl+return\""},
        {"negative item", "start\npick PICK -1", 2, "not an item number: \"-1\""},
        {"item not a number", "start\nrow MANY 1a", 2, "not an item number: \"1a\""},
        {"answer what", "answer delete x", 1, "answer input, answer save or answer open, not answer delete"},
        {"day that does not exist", "clock 2026/02/29 09:00:00", 1,
         "not a date and time YYYY/MM/DD HH:MM:SS: 2026/02/29 09:00:00"},
        {"short month", "clock 2026/3/01 09:00:00", 1, "not a date and time YYYY/MM/DD HH:MM:SS: 2026/3/01 09:00:00"},
        {"hour 24", "clock 2026/03/01 24:00:00", 1, "not a date and time YYYY/MM/DD HH:MM:SS: 2026/03/01 24:00:00"},
        {"trailing text", "clock 2026/03/01 09:00:00x", 1,
         "not a date and time YYYY/MM/DD HH:MM:SS: 2026/03/01 09:00:00x"},
        {"action before start", "answer input 1\nclick BUTTON", 2, "only answer and clock may come before start"},
        {"show before start", "show MAIN", 1, "only answer and clock may come before start"},
        {"start twice", "start\n\nstart", 3, "start may come only once"},
        {"quote error", "start\n# a comment\ntype NAME \"1", 3, "missing closing quote"},
        {"not UTF-8", "start\ntype NAME \xff", 2, "not UTF-8 text"},
        {"a surrogate", "start\ntype NAME \xed\xa0\x80", 2, "not UTF-8 text"},
        {"past U+10FFFF", "start\ntype NAME \xf4\x90\x80\x80", 2, "not UTF-8 text"},
    };
    kedravo::test::eachCase(cases, [&](const ErrorCase& c) {
        Script script = parseScript(c.script, testCatalogue());
        ASSERT_TRUE(script.error.has_value());
        EXPECT_EQ(script.error->line, c.line);
        EXPECT_EQ(script.error->message, c.message);
    });
}

TEST(ParseScript, ReadsEveryCommand) {
    const char* text = "# answers first\r\n"
                       "answer input \"112.5\"\r\n"
                       "answer input cancel\r\n"
                       "  answer save \"cancel\"\r\n"
                       "answer save cancel\r\n"
                       "clock 2024/02/29 23:59:58\r\n"
                       "\r\n"
                       "start\r\n"
                       "click RADIO_B\r\n"
                       "pick PICK 2\r\n"
                       "row MANY 10\r\n"
                       "type NOTES \"日足\\n週足\"\r\n"
                       "show MAIN LABEL\r\n"
                       "snap SECOND second.png\r\n"
                       "key SECOND shift+escape\r\n"
                       "close SECOND\r\n"
                       "close\r\n";
    Script script = parseScript(text, testCatalogue());
    ASSERT_FALSE(script.error.has_value()) << script.error->message;
    struct Expected {
        int line;
        Verb verb;
        Target target;
        int position;
        std::optional<std::string> text;
    };
    const Expected expected[] = {
        {2, Verb::AnswerInput, {}, 0, "112.5"},
        {3, Verb::AnswerInput, {}, 0, std::nullopt},
        {4, Verb::AnswerSave, {}, 0, "cancel"},
        {5, Verb::AnswerSave, {}, 0, std::nullopt},
        {6, Verb::Clock, {}, 0, std::nullopt},
        {8, Verb::Start, {}, 0, std::nullopt},
        {9, Verb::Click, {false, RADIO_B}, 0, std::nullopt},
        {10, Verb::Pick, {false, PICK}, 2, std::nullopt},
        {11, Verb::Row, {false, MANY}, 10, std::nullopt},
        {12, Verb::Type, {false, NOTES}, 0, "日足\n週足"},
        {13, Verb::Show, {}, 0, std::nullopt},
        {14, Verb::Snap, {true, SECOND}, 0, "second.png"},
        {15, Verb::Key, {true, SECOND}, 0, std::nullopt},
        {16, Verb::Close, {true, SECOND}, 0, std::nullopt},
        {17, Verb::Close, {true, MAIN}, 0, std::nullopt},
    };
    ASSERT_EQ(script.commands.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const Command& command = script.commands[i];
        EXPECT_EQ(command.line, expected[i].line) << i;
        EXPECT_EQ(command.verb, expected[i].verb) << i;
        EXPECT_EQ(command.target, expected[i].target) << i;
        EXPECT_EQ(command.position, expected[i].position) << i;
        EXPECT_EQ(command.text, expected[i].text) << i;
    }
    const platform::LocalTime& time = script.commands[4].time;
    EXPECT_EQ((std::array{time.year, time.month, time.day, time.hour, time.minute, time.second}),
              (std::array{2024, 2, 29, 23, 59, 58}));
    EXPECT_EQ(script.commands[10].shown, (std::vector<Target>{{true, MAIN}, {false, LABEL}}));
    EXPECT_EQ(script.commands[12].chord, (platform::KeyChord{.shift = true, .key = platform::KEY_ESCAPE}));
}

} // namespace
} // namespace kedravo::script
