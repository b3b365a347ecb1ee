#pragma once
// The current-price update window FORM2 and the main-window button that opens it.
#include "ui/context.h"

namespace kedravo::ui {

// The window's opening state for the page's stored current price: its time, and no lines listed.
void showStoredPrice(Context& c);

void BUTTON2_ON(Context& c, int window);
void BUTTON5_ON(Context& c, int window);
void COMBO4_CHANGE(Context& c, int window);
void BUTTON3_ON(Context& c, int window);
void BUTTON4_ON(Context& c, int window);

} // namespace kedravo::ui
