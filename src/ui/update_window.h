#pragma once
// The current-price update window FORM2 and the main-window button that opens it.
#include "ui/context.h"

namespace kedravo::ui {

void BUTTON2_ON(Context& c, int window);
void BUTTON5_ON(Context& c, int window);
void COMBO4_CHANGE(Context& c, int window);
void BUTTON3_ON(Context& c, int window);
void BUTTON4_ON(Context& c, int window);

} // namespace kedravo::ui
