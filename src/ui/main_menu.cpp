#include "ui/history_menu.h"

#include "ui/controls.h"

#include <string>

namespace kedravo::ui {
namespace {

platform::MenuItem historyItem(platform::Event event, const std::string& command, const std::string& change) {
    return {event, change.empty() ? command : command + "（" + change + "）", !change.empty()};
}

} // namespace

void showHistoryMenu(Context& c) {
    c.toolkit.setMenu(MAINFORM, {historyItem(platform::Event::Undo, "元に戻す", c.history.undoName()),
                                 historyItem(platform::Event::Redo, "やり直し", c.history.redoName())});
}

} // namespace kedravo::ui
