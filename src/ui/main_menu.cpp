#include "ui/main_menu.h"

#include "ui/controls.h"

#include <string>

namespace kedravo::ui {
namespace {

platform::MenuItem historyItem(platform::Event event, const std::string& command, const std::string& change) {
    return {event, change.empty() ? command : command + "（" + change + "）", !change.empty()};
}

} // namespace

// Lines go in and out of a page in use only: lines on a closed page would be lost to every window.
void showMainMenu(Context& c) {
    const bool pageInUse = !c.t.PAGE_NAME[c.t.CUR_PAGE].empty();
    c.toolkit.setMenu(MAINFORM, {historyItem(platform::Event::Undo, "元に戻す", c.history.undoName()),
                                 historyItem(platform::Event::Redo, "やり直し", c.history.redoName()),
                                 {platform::Event::ExportCsv, "CSVに書き出す…", pageInUse},
                                 {platform::Event::ImportCsv, "CSVから読み込む…", pageInUse}});
}

} // namespace kedravo::ui
