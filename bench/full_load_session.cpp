#include "full_load_session.h"

#include "store/data_files.h"
#include "ui/catalogue.h"
#include "ui/commit.h"
#include "ui/controls.h"
#include "ui/event_bindings.h"
#include "ui/line_display.h"
#include "ui/startup.h"

#include <cassert>

namespace kedravo::bench {

using platform::Event;

std::string BenchDialogs::inputBox(int, const std::string& title, const std::string&) {
    if (inputs_.empty())
        abortOnWarning(title, "no answer queued");
    std::string answer = std::move(inputs_.front());
    inputs_.pop_front();
    return answer;
}

FullLoadSession::FullLoadSession(platform::Toolkit& toolkit)
    : dialogs_(folder_.path + store::BASIC_FILE), context_{tables_, toolkit, dialogs_,
                                                           clock_,  files_,  {files_, clock_, dialogs_},
                                                           nullptr, false,   {},
                                                           {},      {}} {
    writeFullLoadFiles(folder_.path);
    // A KANKYO.TXT left by an earlier session names a folder that is gone by now.
    writeEnvironmentFile(folder_.path);
    ui::startup(context_, *this);
    assert(tables_.DATA_DIR == folder_.path && tables_.LINE_COUNT[0] == LINE_MAX);
    const int page = tables_.CUR_PAGE;
    startPage_ = {tables_.LINE_COUNT[page], tables_.LINE_PRICE[page], tables_.LINE_TF[page],
                  tables_.LINE_CROSS[page], tables_.CUR_PRICE[page],  tables_.CUR_PRICE_TIME[page]};
}

void FullLoadSession::raise(int control, Event event) {
    const ui::Handler handler = ui::handlerFor(control, event);
    if (handler == nullptr)
        return;
    handler(context_, platform::isWindowEvent(event) ? control : ui::catalogue().controls[control].window);
}

void FullLoadSession::openListWindows() {
    raise(ui::BUTTON2, Event::On);
    enterPrice(RAISED_PRICE);
    raise(ui::BUTTON14, Event::On);
    raise(ui::BUTTON17, Event::On);
}

void FullLoadSession::enterPrice(const std::string& price) {
    dialogs_.answerInput(price);
    raise(ui::BUTTON5, Event::On);
}

void FullLoadSession::restorePage(int lines) {
    const int page = tables_.CUR_PAGE;
    assert(lines <= startPage_.count);
    tables_.LINE_COUNT[page] = static_cast<std::int16_t>(lines);
    tables_.LINE_PRICE[page] = startPage_.prices;
    tables_.LINE_TF[page] = startPage_.frames;
    tables_.LINE_CROSS[page] = startPage_.crosses;
    tables_.CUR_PRICE[page] = startPage_.price;
    tables_.CUR_PRICE_TIME[page] = startPage_.time;
    ui::LISTSET_SUB(context_);
    // As if the files held it, so that the measured change is saved like any other.
    ui::beginHistory(context_);
}

} // namespace kedravo::bench
