#include "ui/shutdown.h"

#include "store/data_files.h"
#include "ui/window_positions.h"

namespace kedravo::ui {

void MAINFORM_END(Context& c, int) {
    store::価格データW_SUB(c.t, c.store);
    store::データバックアップ_SUB(c.t, c.store);
    ToolkitWindowPositions windows{c.toolkit};
    store::環境データW_SUB(c.t, c.store, windows);
    c.dataFolderLock.reset();
    c.ended = true;
}

} // namespace kedravo::ui
