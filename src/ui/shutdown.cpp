#include "ui/shutdown.h"

#include "store/data_files.h"
#include "ui/window_positions.h"

#include <algorithm>

namespace kedravo::ui {
namespace {

// The basic data file is written as the page settings change. Should that save have failed, or the file be gone
// by the exit (its folder deleted meanwhile, say), the page settings held here are saved with the rest, in its
// place or in an emergency copy, rather than lost; a first start with no page set up still leaves no such file.
void saveUnsavedBasicData(Context& c) {
    const bool pagesInUse =
        std::any_of(c.t.PAGE_NAME.begin(), c.t.PAGE_NAME.end(), [](const std::string& name) { return !name.empty(); });
    if (c.unsaved.basicData || (pagesInUse && !c.files.exists(c.t.DATA_DIR + store::BASIC_FILE)))
        store::基本データＷ_SUB(c.t, c.store);
}

} // namespace

void MAINFORM_END(Context& c, int) {
    // At exit the save returns only once the data are stored somewhere.
    const std::string saved = *store::価格データW_SUB(c.t, c.store);
    saveUnsavedBasicData(c);
    store::データバックアップ_SUB(c.t, c.store, saved);
    ToolkitWindowPositions windows{c.toolkit};
    store::環境データW_SUB(c.t, c.store, windows);
    c.dataFolderLock.reset();
    c.ended = true;
}

} // namespace kedravo::ui
