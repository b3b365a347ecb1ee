#pragma once
// Carrying a page's lines from its old time-frame list (the page-settings working copy) to the new one (the
// live tables) when the page's settings are registered.
#include "core/tables.h"

namespace kedravo::ui {

// Fills TMP_TF_MAP of page q from old to new and moves every line of q to its new time frame; a page left
// without time frames loses all its lines.
void carryLinesOver(Tables& t, int q);

} // namespace kedravo::ui
