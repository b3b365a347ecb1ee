#pragma once
// The program at full load over one toolkit: start-up from the full-load files, then the real handlers. The
// benchmarks drive it the way the trader would and measure one handler at a time.
#include "full_load.h"
#include "platform/posix_file_system.h"
#include "platform/system_clock.h"
#include "ui/context.h"

#include <deque>
#include <memory>
#include <string>

namespace kedravo::bench {

// The dialogs of a measured run: the input box takes the next queued answer, the data folder question is
// answered with the bench folder, and a warning stops the run.
class BenchDialogs : public platform::Dialogs {
public:
    explicit BenchDialogs(std::string dataFile) : dataFile_(std::move(dataFile)) {}
    void answerInput(std::string text) { inputs_.push_back(std::move(text)); }

    void STOP_SUB(const std::string& caption, const std::string& text) override { abortOnWarning(caption, text); }
    std::string inputBox(int ownerWindow, const std::string& title, const std::string& prompt) override;
    std::optional<std::string> saveAs(int, const std::string&, const std::string&) override { return dataFile_; }
    std::optional<std::string> saveCsvAs(int, const std::string&, const std::string&) override { return std::nullopt; }
    std::optional<std::string> openCsv(int, const std::string&) override { return std::nullopt; }

private:
    std::string dataFile_;
    std::deque<std::string> inputs_;
};

class FullLoadSession : public platform::EventSink {
public:
    // Runs start-up on `toolkit`; the main window then shows page 0 with its 300 lines.
    explicit FullLoadSession(platform::Toolkit& toolkit);

    ui::Context& context() { return context_; }
    Tables& tables() { return tables_; }
    // Delivers an event to its handler, as the program does.
    void raise(int control, platform::Event event) override;

    // The update window with every line of the page listed as crossed, the deletion and the shift windows.
    void openListWindows();
    // The trader enters `price` in the update window's input box.
    void enterPrice(const std::string& price);
    // The page's current price and its first `lines` lines as start-up left them, every open list rebuilt, and the
    // change history started over from there.
    void restorePage(int lines = LINE_MAX);

private:
    struct PageLines {
        std::int16_t count;
        std::array<std::string, LINE_SLOTS> prices;
        std::array<std::int16_t, LINE_SLOTS> frames;
        std::array<std::int16_t, LINE_SLOTS> crosses;
        std::string price;
        std::string time;
    };

    BenchFolder folder_;
    BenchDialogs dialogs_;
    platform::SystemClock clock_;
    platform::PosixFileSystem files_;
    Tables tables_;
    ui::Context context_;
    PageLines startPage_;
};

} // namespace kedravo::bench
