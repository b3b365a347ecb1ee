#pragma once
// The line lists on screen: the main window's boxes and the lists of the update, deletion and shift windows.
#include "ui/context.h"

namespace kedravo::ui {

void 数値リスト化_SUB(Context& c);
void LIST1ADD_SUB(Context& c);
void LIST2ADD_SUB(Context& c);
void LIST3ADD_SUB(Context& c);
// The one refresh after lines or the current price changed: the main window, then every open list window.
void LISTSET_SUB(Context& c);

} // namespace kedravo::ui
