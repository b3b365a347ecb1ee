#pragma once
// Undo and redo of the session's changes, from the main window's context menu or a window's key chords.
#include "ui/context.h"

namespace kedravo::ui {

void UNDO_ON(Context& c, int window);
void REDO_ON(Context& c, int window);

} // namespace kedravo::ui
