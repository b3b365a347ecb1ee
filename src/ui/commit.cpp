#include "ui/commit.h"

#include "store/data_files.h"
#include "ui/main_menu.h"
#include "ui/window_positions.h"

namespace kedravo::ui {
namespace {

using store::SaveMode;

// A file whose save failed is tried again at each change until it is stored, and at exit.
void saveUnsaved(Context& c) {
    if (c.unsaved.basicData)
        c.unsaved.basicData = !store::基本データＷ_SUB(c.t, c.store, SaveMode::DuringSession);
    if (c.unsaved.priceData)
        c.unsaved.priceData = !store::価格データW_SUB(c.t, c.store, SaveMode::DuringSession);
}

} // namespace

void beginHistory(Context& c) {
    c.history.start(captureState(c.t, {}));
    showMainMenu(c);
}

void commitChange(Context& c, const char* change) {
    const StateDifference difference = compareStates(captureState(c.t, c.history.current()), c.history.current());
    if (!difference.any())
        return;
    saveDifference(c, difference);
    // Captured after the save, which may have replaced a text no file can hold.
    c.history.record(change, captureState(c.t, c.history.current()));
    showMainMenu(c);
}

void saveDifference(Context& c, StateDifference difference) {
    c.unsaved.priceData = c.unsaved.priceData || difference.priceData;
    c.unsaved.basicData = c.unsaved.basicData || difference.basicData;
    saveUnsaved(c);
}

void commitSettings(Context& c) {
    if (settingsOf(c.t) == c.savedSettings)
        return;
    ToolkitWindowPositions windows{c.toolkit};
    if (store::環境データW_SUB(c.t, c.store, windows, SaveMode::DuringSession))
        c.savedSettings = settingsOf(c.t);
}

} // namespace kedravo::ui
