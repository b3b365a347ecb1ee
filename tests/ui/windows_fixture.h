#pragma once
// The program's windows over the headless toolkit, with scripted dialogs and a fixed clock. Tests act as the
// user does: every click goes through the event table to its handler.
#include "platform/headless/headless_toolkit.h"
#include "platform/posix_file_system.h"
#include "platform/scripted/fixed_clock.h"
#include "platform/scripted/scripted_dialogs.h"
#include "platform/system_clock.h"
#include "ui/catalogue.h"
#include "ui/context.h"
#include "ui/controls.h"
#include "ui/event_bindings.h"
#include "ui/main_window.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace kedravo::ui::test {

struct Line {
    std::string price;
    std::int16_t tf = 0;
    std::int16_t cross = 0;
    bool operator==(const Line&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Line& line) {
    return out << line.price << '/' << line.tf << '/' << line.cross;
}

// The main window's choosing controls, locked while a secondary window is open.
inline constexpr int CHOOSING[] = {RADIO1, RADIO2, BUTTON10, COMBO5, COMBO1, CHECK1};

class Windows : public platform::EventSink {
public:
    Windows() {
        toolkit.create(catalogue(), *this);
        for (const char* item : {"１回以上", "２回以上", "３回以上", "４回以上", "５回以上"})
            toolkit.addItem(COMBO4, item);
        toolkit.setSelected(COMBO4, 0);
        clock.set({2024, 5, 6, 7, 8, 9});
    }

    // Page 0 "ドル円" with time frames 日足 and 4h (or none), shown in the main window.
    void showPage(const std::vector<Line>& lines, const std::string& currentPrice, int timeFrames = 2,
                  const std::string& updateTime = "2024/01/02_03:04:05") {
        t.PAGE_NAME[0] = "ドル円";
        t.PAGE_SPREAD[0] = "0.01";
        t.TF_COUNT[0] = static_cast<std::int16_t>(timeFrames);
        t.TF_NAME[0][0] = timeFrames > 0 ? "日足" : "";
        t.TF_NAME[0][1] = timeFrames > 1 ? "4h" : "";
        t.CUR_PRICE[0] = currentPrice;
        t.CUR_PRICE_TIME[0] = updateTime;
        t.LINE_COUNT[0] = static_cast<std::int16_t>(lines.size());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            t.LINE_PRICE[0][i] = lines[i].price;
            t.LINE_TF[0][i] = lines[i].tf;
            t.LINE_CROSS[0][i] = lines[i].cross;
        }
        COMBO1SET_SUB(c);
        WND1SET_SUB(c);
    }

    void raise(int control, platform::Event event) override {
        const Handler handler = handlerFor(control, event);
        if (handler != nullptr)
            handler(c, event == platform::Event::End ? control : catalogue().controls[control].window);
    }

    // A user's action that the window must accept.
    void click(int control) { ASSERT_EQ(toolkit.click(control), platform::Refusal::None) << control; }
    void pick(int control, int position) { ASSERT_EQ(toolkit.pick(control, position), platform::Refusal::None); }
    void clickRow(int control, int row) { ASSERT_EQ(toolkit.clickRow(control, row), platform::Refusal::None); }
    void type(int control, const std::string& text) { ASSERT_EQ(toolkit.type(control, text), platform::Refusal::None); }

    std::vector<Line> lines() const {
        std::vector<Line> out;
        for (int i = 0; i < t.LINE_COUNT[0]; ++i)
            out.push_back({t.LINE_PRICE[0][i], t.LINE_TF[0][i], t.LINE_CROSS[0][i]});
        return out;
    }

    std::vector<std::string> items(int control) {
        std::vector<std::string> out;
        for (int i = 0; i < toolkit.itemCount(control); ++i)
            out.push_back(toolkit.item(control, i));
        return out;
    }

    // The line each row of LIST1 stands for through its row map; the row must show that line's price.
    std::vector<Line> list1Lines() {
        std::vector<Line> out;
        for (int r = 0; r < toolkit.itemCount(LIST1); ++r) {
            const int i = t.DISP_LINE[ROWS_LIST1][r];
            EXPECT_TRUE(i >= 0 && i < t.LINE_COUNT[0]) << "row " << r;
            EXPECT_NE(toolkit.item(LIST1, r).find(t.LINE_PRICE[0][i]), std::string::npos) << "row " << r;
            out.push_back({t.LINE_PRICE[0][i], t.LINE_TF[0][i], t.LINE_CROSS[0][i]});
        }
        return out;
    }

    bool choosingEnabled(bool enabled) {
        for (const int control : CHOOSING)
            if (toolkit.isEnabled(control) != enabled)
                return false;
        return true;
    }

    Tables t;
    platform::HeadlessToolkit toolkit;
    std::ostringstream transcript;
    platform::ScriptedDialogs dialogs{transcript};
    platform::SystemClock systemClock;
    platform::FixedClock clock{systemClock};
    platform::PosixFileSystem files;
    Context c{t, toolkit, dialogs, clock, files, {files, clock, dialogs}, nullptr, false};
};

} // namespace kedravo::ui::test
