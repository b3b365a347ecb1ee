#pragma once
// The program's parts over the headless toolkit, scripted dialogs, a still clock and the file system in memory.
#include "platform/headless/headless_toolkit.h"
#include "platform/scripted/scripted_dialogs.h"
#include "test_services.h"
#include "ui/catalogue.h"
#include "ui/context.h"
#include "ui/program.h"

#include <cstdint>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace kedravo::ui::test {

struct PageLine {
    const char* price;
    std::int16_t tf;
    std::int16_t cross;
};

// Page p named `name` with time frames 日足 and 4h, spread 0.01, a current price and the given lines.
inline void addPage(Tables& t, int p, const char* name, const char* currentPrice, const std::vector<PageLine>& lines) {
    t.PAGE_NAME[p] = name;
    t.PAGE_SPREAD[p] = "0.01";
    t.TF_COUNT[p] = 2;
    t.TF_NAME[p][0] = "日足";
    t.TF_NAME[p][1] = "4h";
    t.CUR_PRICE[p] = currentPrice;
    t.CUR_PRICE_TIME[p] = currentPrice[0] == '\0' ? "" : "2024/01/02_03:04:05";
    t.LINE_COUNT[p] = static_cast<std::int16_t>(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        t.LINE_PRICE[p][i] = lines[i].price;
        t.LINE_TF[p][i] = lines[i].tf;
        t.LINE_CROSS[p][i] = lines[i].cross;
    }
}

class IgnoreEvents : public platform::EventSink {
public:
    void raise(int, platform::Event) override {}
};

// The windows and the routines' context, for calling routines directly.
struct Screen {
    Screen() { toolkit.create(catalogue(), events); }

    Tables t;
    platform::HeadlessToolkit toolkit;
    IgnoreEvents events;
    std::ostringstream transcript;
    platform::ScriptedDialogs dialogs{transcript};
    platform::FixedClock clock{store::test::TEST_NOW};
    store::test::MemoryFileSystem files;
    Context c{t, toolkit, dialogs, clock, files, {files, clock, dialogs}, nullptr, false, {}, {}, {}};
};

// One running copy of the whole program on a file system it may share with another copy.
struct RunningCopy {
    explicit RunningCopy(store::test::MemoryFileSystem& fileSystem) : files(fileSystem) {}

    platform::HeadlessToolkit toolkit;
    std::ostringstream transcript;
    platform::ScriptedDialogs dialogs{transcript};
    platform::FixedClock clock{store::test::TEST_NOW};
    store::test::MemoryFileSystem& files;
    Program program{{toolkit, dialogs, clock, files}};
};

} // namespace kedravo::ui::test
