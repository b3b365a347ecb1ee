#include "ui/shutdown.h"

#include "store/data_files.h"
#include "ui/window_positions.h"

#include <algorithm>

namespace kedravo::ui {
namespace {

// The basic data file is written as the page settings window closes. Should it be gone by the exit (its folder
// deleted meanwhile, say), the page settings held here are saved with the rest, in its place or in an emergency
// copy, rather than lost; a first start with no page set up still leaves no such file.
void saveVanishedBasicData(Context& c) {
    const bool pagesInUse =
        std::any_of(c.t.PAGE_NAME.begin(), c.t.PAGE_NAME.end(), [](const std::string& name) { return !name.empty(); });
    if (pagesInUse && !c.files.exists(c.t.DATA_DIR + store::BASIC_FILE))
        store::基本データＷ_SUB(c.t, c.store);
}

} // namespace

void MAINFORM_END(Context& c, int) {
    const std::string saved = store::価格データW_SUB(c.t, c.store);
    saveVanishedBasicData(c);
    store::データバックアップ_SUB(c.t, c.store, saved);
    ToolkitWindowPositions windows{c.toolkit};
    store::環境データW_SUB(c.t, c.store, windows);
    c.dataFolderLock.reset();
    c.ended = true;
}

} // namespace kedravo::ui
