#pragma once
// The past-price input window FORM3 and the main-window button that opens it.
#include "ui/context.h"

namespace kedravo::ui {

// How many lines the page still takes, and the registration enabled while it takes one.
void showRoomLeft(Context& c);

void BUTTON1_ON(Context& c, int window);
void BUTTON6_ON(Context& c, int window);
void BUTTON7_ON(Context& c, int window);

} // namespace kedravo::ui
