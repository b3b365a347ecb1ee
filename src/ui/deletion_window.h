#pragma once
// The arbitrary deletion window FORM5: any chosen lines of the current page are deleted.
#include "ui/context.h"

namespace kedravo::ui {

// Fills the time-frame filter COMBO6 for the current page, on "全部".
void COMBO6SET_SUB(Context& c);

void BUTTON14_ON(Context& c, int window);
void COMBO6_CHANGE(Context& c, int window);
void BUTTON12_ON(Context& c, int window);
void BUTTON13_ON(Context& c, int window);

} // namespace kedravo::ui
