#include "../platform/test_catalogue.h"
#include "platform/headless/headless_script_backend.h"
#include "script_runner.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <sstream>
#include <utility>

namespace kedravo::script {
namespace {

using namespace kedravo::test;
using platform::Event;

// Stands in for the program: start-up fills and disables a few controls, and each handled event leaves a trace.
class FakeProgram final : public platform::EventSink {
public:
    FakeProgram(platform::Toolkit& toolkit, platform::Dialogs& dialogs, platform::Clock& clock)
        : toolkit_(toolkit), dialogs_(dialogs), clock_(clock) {}

    void startup() {
        for (const char* item : {"全部", "日足", "週足"})
            toolkit_.addItem(PICK, item);
        for (const char* row : {"112.50", "112.00", "111.50"})
            toolkit_.addItem(MANY, row);
        toolkit_.setEnabled(RADIO_B, false);
        const platform::LocalTime t = clock_.now();
        char text[32];
        std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                      t.second);
        toolkit_.setText(LABEL, text);
    }

    void raise(int control, Event event) override {
        if (event == Event::End) {
            dialogs_.STOP_SUB("終了", "shut-down");
        } else if (control == BUTTON) {
            dialogs_.STOP_SUB("入力エラーメッセージ", "押されました");
        } else if (control == CHECK) {
            const std::string answer = dialogs_.inputBox(MAIN, "価格", "入力");
            toolkit_.setText(NAME, answer == platform::INPUT_CANCELLED ? "" : answer);
        } else if (control == RADIO_C) {
            toolkit_.hide(MAIN);
            toolkit_.show(SECOND);
        } else if (control == SECOND_BUTTON) {
            toolkit_.hide(SECOND);
            toolkit_.show(MAIN);
        }
    }

private:
    platform::Toolkit& toolkit_;
    platform::Dialogs& dialogs_;
    platform::Clock& clock_;
};

struct RunCase {
    const char* name;
    const char* script;
    const char* transcript;
    int errorLine = 0;
    const char* errorMessage = "";
};

void check(const RunCase& c, std::optional<std::filesystem::path> shots = std::nullopt) {
    const platform::Catalogue catalogue = testCatalogue();
    std::ostringstream transcript;
    auto backend = platform::makeHeadlessBackend();
    platform::ScriptedDialogs dialogs(transcript);
    platform::FixedClock clock({2000, 1, 2, 3, 4, 5});
    FakeProgram program(backend->toolkit(), dialogs, clock);
    backend->toolkit().create(catalogue, program);
    Script script = parseScript(c.script, catalogue);
    ASSERT_FALSE(script.error.has_value()) << c.name << ": " << script.error->message;

    ScriptRun run{catalogue, *backend, dialogs, clock, [&] { program.startup(); }, transcript, std::move(shots)};
    std::optional<ScriptError> error = runScript(script.commands, run);
    EXPECT_EQ(transcript.str(), c.transcript) << c.name;
    EXPECT_EQ(error ? error->line : 0, c.errorLine) << c.name;
    EXPECT_EQ(error ? error->message : "", c.errorMessage) << c.name;
}

TEST(RunScript, ShowPrintsEachKindOfControl) {
    check({"every kind", "start\nshow MAIN SECOND BUTTON CHECK RADIO_A RADIO_B FRAME LABEL NAME PICK MANY",
           "MAIN visible=1 topmost=1 x=10 y=20\n"
           "SECOND visible=0 topmost=0 x=300 y=40\n"
           "BUTTON enabled=1 text=\"押す\"\n"
           "CHECK enabled=1 checked=0\n"
           "RADIO_A enabled=1 checked=1\n"
           "RADIO_B enabled=0 checked=0\n"
           "FRAME enabled=1\n"
           "LABEL enabled=1 text=\"2000/01/02 03:04:05\"\n"
           "NAME enabled=1 text=\"0.01\"\n"
           "PICK enabled=1 sel=-1 items=[\"全部\",\"日足\",\"週足\"]\n"
           "MANY enabled=1 sel=[] items=[\"112.50\",\"112.00\",\"111.50\"]\n"});
}

TEST(RunScript, ActsAsTheUser) {
    const RunCase cases[] = {
        {"clicks, picks, rows and typing",
         "start\nclick BUTTON\nrow MANY 2\nrow MANY 0\npick PICK 1\ntype NOTES \"日足\\n週足\"\nshow PICK MANY NOTES",
         "message \"入力エラーメッセージ\" \"押されました\"\n"
         "PICK enabled=1 sel=1 items=[\"全部\",\"日足\",\"週足\"]\n"
         "MANY enabled=1 sel=[0,2] items=[\"112.50\",\"112.00\",\"111.50\"]\n"
         "NOTES enabled=1 text=\"日足\\r\\n週足\"\n"},
        {"refusals", "start\nclick SECOND_BUTTON\nclick RADIO_B\ntype VIEW x\ntype FIELD 1\nshow RADIO_B",
         "refused SECOND_BUTTON hidden\n"
         "refused RADIO_B disabled\n"
         "refused VIEW read-only\n"
         "refused FIELD hidden\n"
         "RADIO_B enabled=0 checked=0\n"},
        {"answers are used in order",
         "answer input \"1.5\"\nanswer input cancel\nstart\nclick CHECK\nshow NAME\nclick CHECK\nclick CHECK\nshow "
         "NAME",
         "input \"価格\" \"入力\" -> \"1.5\"\n"
         "NAME enabled=1 text=\"1.5\"\n"
         "input \"価格\" \"入力\" -> cancel\n"
         "input \"価格\" \"入力\" -> cancel (unanswered)\n"
         "NAME enabled=1 text=\"\"\n"},
        {"the clock is the script's once fixed", "clock 2016/03/01 09:30:05\nstart\nshow LABEL",
         "LABEL enabled=1 text=\"2016/03/01 09:30:05\"\n"},
        {"snap does nothing without a shots folder", "start\nsnap MAIN main.png", ""},
    };
    for (const RunCase& c : cases)
        check(c);
}

TEST(RunScript, CloseRunsShutDownOnceTheMainWindowIsShown) {
    const RunCase cases[] = {
        {"close", "start\nclose", "message \"終了\" \"shut-down\"\n"},
        {"refused while hidden", "start\nclick RADIO_C\nclose\nclick SECOND_BUTTON\nclose",
         "refused MAIN hidden\nmessage \"終了\" \"shut-down\"\n"},
        {"nothing may follow", "start\nclose\nshow MAIN", "message \"終了\" \"shut-down\"\n", 3,
         "nothing may follow close"},
        {"without close there is no shut-down", "start\nclick BUTTON",
         "message \"入力エラーメッセージ\" \"押されました\"\n"},
    };
    for (const RunCase& c : cases)
        check(c);
}

TEST(RunScript, StopsAtAnItemPastTheEnd) {
    const RunCase cases[] = {
        {"pick", "start\nclick BUTTON\npick PICK 3\nclick BUTTON",
         "message \"入力エラーメッセージ\" \"押されました\"\n", 3, "item 3 out of range: PICK has 3"},
        {"row", "start\nrow MANY 7", "", 2, "row 7 out of range: MANY has 3"},
        {"row of a hidden list is still checked", "start\nrow SECOND_LIST 0", "", 2,
         "row 0 out of range: SECOND_LIST has 0"},
    };
    for (const RunCase& c : cases)
        check(c);
}

TEST(RunScript, FailsWhenAPictureCannotBeSaved) {
    check(
        {"headless has no screen", "start\nsnap SECOND s.png", "", 2, "cannot save a picture of SECOND in shots/s.png"},
        "shots");
}

} // namespace
} // namespace kedravo::script
