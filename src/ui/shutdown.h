#pragma once
#include "ui/context.h"

namespace kedravo::ui {

// The main window closed: save everything, then end.
void MAINFORM_END(Context& c, int window);

} // namespace kedravo::ui
