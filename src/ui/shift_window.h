#pragma once
// The price shift window FORM6: one line of the current page moved to another price or time frame.
#include "ui/context.h"

namespace kedravo::ui {

void BUTTON17_ON(Context& c, int window);
void LIST3_CLICK(Context& c, int window);
void BUTTON15_ON(Context& c, int window);
void BUTTON16_ON(Context& c, int window);

} // namespace kedravo::ui
