#pragma once
// The main window's context menu: undo and redo, each with the name of the change it would take back or make
// again, and disabled when there is none; then the page's lines out to a CSV file and in from one.
#include "ui/context.h"

namespace kedravo::ui {

void showMainMenu(Context& c);

} // namespace kedravo::ui
