#pragma once
// The whole program over the headless toolkit, scripted dialogs, a still clock and a file system in memory.
// Every user action goes through the event table to its handler; a second session on the same files is a restart.
#include "platform/headless/headless_toolkit.h"
#include "platform/scripted/script_text.h"
#include "platform/scripted/scripted_dialogs.h"
#include "support/prepared_files.h"
#include "ui/controls.h"
#include "ui/program.h"

#include <algorithm>
#include <initializer_list>
#include <sstream>

namespace kedravo::ui::test {

using kedravo::test::DATA_DIR;
using kedravo::test::earlierRun;
using kedravo::test::Line;
using kedravo::test::Page;
using kedravo::test::prepareFiles;
using kedravo::test::putPage;
using kedravo::test::STORED_TIME;

// One copy of the program, not yet started, on a file system of its own or shared with another copy.
struct RunningCopy {
    RunningCopy() : own(std::make_unique<store::test::MemoryFileSystem>()), files(*own) {}
    explicit RunningCopy(store::test::MemoryFileSystem& shared) : files(shared) {}

    std::unique_ptr<store::test::MemoryFileSystem> own;
    store::test::MemoryFileSystem& files;
    platform::HeadlessToolkit toolkit;
    std::ostringstream transcript;
    platform::ScriptedDialogs dialogs{transcript};
    platform::FixedClock clock{store::test::TEST_NOW};
    Program program{{toolkit, dialogs, clock, files}};
};

// A copy started on the data folder DATA_DIR, its start-up's dialogs left out of the transcript.
class Session : public RunningCopy {
public:
    Session() { start(); } // the first start
    // On the files an earlier run left with `page` as page 0.
    explicit Session(const Page& page) {
        prepareFiles(files, *earlierRun(page));
        start();
    }
    explicit Session(store::test::MemoryFileSystem& shared) : RunningCopy(shared) { start(); }

    Tables& t() { return program.tables(); }

    // A user's action that the window must accept.
    void click(int control) { ASSERT_EQ(toolkit.click(control), platform::Refusal::None) << "control " << control; }
    void pick(int control, int position) { ASSERT_EQ(toolkit.pick(control, position), platform::Refusal::None); }
    void clickRow(int control, int row) { ASSERT_EQ(toolkit.clickRow(control, row), platform::Refusal::None); }
    void type(int control, const std::string& text) { ASSERT_EQ(toolkit.type(control, text), platform::Refusal::None); }

    // The update window opened if need be and `price` answered as the current price.
    void enterPrice(const std::optional<std::string>& price) {
        if (!toolkit.isVisible(FORM2))
            click(BUTTON2);
        dialogs.answerInput(price);
        click(BUTTON5);
    }
    // The past-price window opened if need be and `price` registered in it.
    void registerPastPrice(const std::string& price) {
        if (!toolkit.isVisible(FORM3))
            click(BUTTON1);
        type(EDIT5, price);
        click(BUTTON6);
    }

    std::vector<std::string> items(int control) {
        std::vector<std::string> out;
        for (int i = 0; i < toolkit.itemCount(control); ++i)
            out.push_back(toolkit.item(control, i));
        return out;
    }

    std::vector<Line> lines(int page = 0) { return kedravo::test::linesOf(t(), page); }

    // The line each row of `list` stands for through its row map; the row must show that line's price.
    std::vector<Line> listedLines(int list, RowMapList map) {
        std::vector<Line> out;
        const int page = t().CUR_PAGE;
        for (int r = 0; r < toolkit.itemCount(list); ++r) {
            const int i = t().DISP_LINE[map][r];
            EXPECT_TRUE(i >= 0 && i < t().LINE_COUNT[page]) << "row " << r;
            EXPECT_NE(toolkit.item(list, r).find(t().LINE_PRICE[page][i]), std::string::npos) << "row " << r;
            out.push_back({t().LINE_PRICE[page][i], t().LINE_TF[page][i], t().LINE_CROSS[page][i]});
        }
        return out;
    }

    // Whether the main window's choosing controls, locked while a secondary window is open, are all `enabled`.
    bool choosingEnabled(bool enabled) {
        return std::ranges::all_of(std::initializer_list<int>{RADIO1, RADIO2, BUTTON10, COMBO5, COMBO1, CHECK1},
                                   [&](int control) { return toolkit.isEnabled(control) == enabled; });
    }

    std::vector<std::string> timeFrames(int page) {
        return {t().TF_NAME[page].begin(), t().TF_NAME[page].begin() + t().TF_COUNT[page]};
    }

    // The warning boxes shown since start-up, one transcript line each.
    std::string messages() const { return transcript.str(); }

private:
    void start() {
        files.addFolder(DATA_DIR);
        dialogs.answerSave(std::string(DATA_DIR) + "基本データ.TXT");
        program.startup();
        transcript.str("");
    }
};

inline std::string message(const std::string& caption, const std::string& text) {
    return "message " + platform::quoteText(caption) + ' ' + platform::quoteText(text) + '\n';
}

} // namespace kedravo::ui::test
