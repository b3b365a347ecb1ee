#pragma once
// The whole program over the headless toolkit and a file system in memory. Start-up reads the data folder
// /data/; every user action goes through the event table to its handler; a second session on the same files is a
// restart.
#include "memory_file_system.h"
#include "platform/headless/headless_toolkit.h"
#include "platform/scripted/script_text.h"
#include "platform/scripted/scripted_dialogs.h"
#include "store/data_files.h"
#include "test_services.h"
#include "ui/controls.h"
#include "ui/program.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace kedravo::ui::test {

inline constexpr char DATA_DIR[] = "/data/";

struct Line {
    std::string price;
    std::int16_t tf = 0;
    std::int16_t cross = 0;
    bool operator==(const Line&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Line& line) {
    return out << line.price << '/' << line.tf << '/' << line.cross;
}

// Data files with page 0 "ドル円" (spread 0.01) holding `timeFrames`, `lines` and a current price with its update
// time. Without time frames only the price data file is written, as when the basic data file was lost.
inline void prepareFiles(store::test::MemoryFileSystem& files, const std::vector<std::string>& timeFrames,
                         const std::vector<Line>& lines, const std::string& currentPrice = {},
                         const std::string& updateTime = {}) {
    files.addFolder(DATA_DIR);
    Tables t;
    t.DATA_DIR = DATA_DIR;
    t.PAGE_NAME[0] = "ドル円";
    t.PAGE_SPREAD.fill("0.01");
    t.CUR_PRICE[0] = currentPrice;
    t.CUR_PRICE_TIME[0] = updateTime;
    t.TF_COUNT[0] = static_cast<std::int16_t>(timeFrames.size());
    std::copy(timeFrames.begin(), timeFrames.end(), t.TF_NAME[0].begin());
    t.LINE_COUNT[0] = static_cast<std::int16_t>(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        t.LINE_PRICE[0][i] = lines[i].price;
        t.LINE_TF[0][i] = lines[i].tf;
        t.LINE_CROSS[0][i] = lines[i].cross;
    }
    platform::FixedClock clock{store::test::TEST_NOW};
    store::test::RecordingWarner warner;
    store::StoreServices services{files, clock, warner};
    store::価格データW_SUB(t, services);
    if (!timeFrames.empty())
        store::基本データＷ_SUB(t, services);
}

class Session {
public:
    explicit Session(store::test::MemoryFileSystem& files) : program_({toolkit, dialogs, clock, files}) {
        files.addFolder(DATA_DIR);
        dialogs.answerSave(std::string(DATA_DIR) + "基本データ.TXT");
        program_.startup();
        transcript.str("");
    }

    Tables& t() { return program_.tables(); }

    // A user's action that the window must accept.
    void click(int control) { ASSERT_EQ(toolkit.click(control), platform::Refusal::None) << "control " << control; }
    void pick(int control, int position) { ASSERT_EQ(toolkit.pick(control, position), platform::Refusal::None); }
    void clickRow(int control, int row) { ASSERT_EQ(toolkit.clickRow(control, row), platform::Refusal::None); }
    void type(int control, const std::string& text) { ASSERT_EQ(toolkit.type(control, text), platform::Refusal::None); }

    std::vector<std::string> items(int control) {
        std::vector<std::string> out;
        for (int i = 0; i < toolkit.itemCount(control); ++i)
            out.push_back(toolkit.item(control, i));
        return out;
    }

    std::vector<Line> lines(int page = 0) {
        std::vector<Line> out;
        for (int i = 0; i < t().LINE_COUNT[page]; ++i)
            out.push_back({t().LINE_PRICE[page][i], t().LINE_TF[page][i], t().LINE_CROSS[page][i]});
        return out;
    }

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
        for (const int control : {RADIO1, RADIO2, BUTTON10, COMBO5, COMBO1, CHECK1})
            if (toolkit.isEnabled(control) != enabled)
                return false;
        return true;
    }

    std::vector<std::string> timeFrames(int page) {
        return {t().TF_NAME[page].begin(), t().TF_NAME[page].begin() + t().TF_COUNT[page]};
    }

    // The warning boxes shown since start-up, one transcript line each.
    std::string messages() const { return transcript.str(); }

    platform::HeadlessToolkit toolkit;
    std::ostringstream transcript;
    platform::ScriptedDialogs dialogs{transcript};
    platform::FixedClock clock{store::test::TEST_NOW};

private:
    Program program_;
};

inline std::string message(const std::string& caption, const std::string& text) {
    return "message " + platform::quoteText(caption) + ' ' + platform::quoteText(text) + '\n';
}

} // namespace kedravo::ui::test
