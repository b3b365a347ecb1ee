#pragma once
// The main window's context menu: undo and redo, each with the name of the change it would take back or make
// again, and disabled when there is none.
#include "ui/context.h"

namespace kedravo::ui {

void showHistoryMenu(Context& c);

} // namespace kedravo::ui
