#include "ui/startup.h"

#include "core/folder_path.h"
#include "store/data_files.h"
#include "ui/catalogue.h"
#include "ui/commit.h"
#include "ui/controls.h"
#include "ui/main_window.h"
#include "ui/page_slot_names.h"
#include "ui/window_positions.h"

#include <string>

namespace kedravo::ui {
namespace {

constexpr int NO_OWNER = -1;

// Every control gets the face and size of its definition, the fixed-pitch ones included.
void setFonts(Context& c) {
    for (const platform::ControlDef& control : catalogue().controls)
        c.toolkit.setFont(control.id, control.face, control.fontSize);
}

void fillPageList(Context& c) {
    for (int n = 1; n <= PAGE_MAX; ++n)
        c.toolkit.addItem(COMBO3, slotItem(n));
}

void fillCountList(Context& c) {
    for (const char* item : {"１回以上", "２回以上", "３回以上", "４回以上", "５回以上"})
        c.toolkit.addItem(COMBO4, item);
    c.toolkit.setSelected(COMBO4, 0);
}

void readEnvironmentFile(Context& c) {
    ToolkitWindowPositions windows{c.toolkit};
    store::readEnvironment(c.t, c.store, windows);
    c.toolkit.setChecked(CHECK1, c.t.BACKUP_ON == 1);
    c.savedSettings = settingsOf(c.t);
}

// Starting on empty pages would overwrite the real files at exit should the folder come back meanwhile.
void forgetMissingDataFolder(Context& c) {
    if (c.t.DATA_DIR.empty() || c.files.isDirectory(withoutSeparator(c.t.DATA_DIR)))
        return;
    c.dialogs.STOP_SUB("フォルダー警告", "データファイルのフォルダーが存在しません\r\n" +
                                             withoutSeparator(c.t.DATA_DIR) + "\r\n保存する場所を選び直して下さい");
    c.t.DATA_DIR.clear();
}

void askDataFolder(Context& c) {
    if (!c.t.DATA_DIR.empty())
        return;
    const auto path = c.dialogs.saveAs(NO_OWNER, "データファイルを保存する場所は?", "基本データ.TXT");
    if (path)
        c.t.DATA_DIR = folderOf(*path);
}

// Two copies on one folder would overwrite each other's work at exit; the later one gives way untouched.
bool holdDataFolder(Context& c) {
    c.dataFolderLock = store::lockDataFolder(c.store, c.t.DATA_DIR);
    if (c.dataFolderLock)
        return true;
    c.dialogs.STOP_SUB("起動警告", "同じデータフォルダーで別のＫＥＤＲＡＶＯ　Ｖ２が動いています\r\n"
                                   "こちらは何も保存せずに終了します");
    c.ended = true;
    return false;
}

} // namespace

void startup(Context& c, platform::EventSink& events) {
    c.t.MAIN_TITLE = "　ＫＥＤＲＡＶＯ　Ｖ２　メインウインドウ";
    c.toolkit.create(catalogue(), events);
    c.toolkit.setCaption(MAINFORM, c.t.MAIN_TITLE);
    setFonts(c);
    c.toolkit.clear(COMBO1);
    fillPageList(c);
    fillCountList(c);
    readEnvironmentFile(c);
    forgetMissingDataFolder(c);
    askDataFolder(c);
    if (!holdDataFolder(c))
        return;
    store::readBasicData(c.t, c.store);
    store::readPriceData(c.t, c.store);
    COMBO1SET_SUB(c);
    WND1SET_SUB(c);
    beginHistory(c);
    commitSettings(c);
}

} // namespace kedravo::ui
