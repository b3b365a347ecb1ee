#pragma once
// The page settings window FORM4: name, spread and time-frame names of the ten page slots.
#include "ui/context.h"

namespace kedravo::ui {

// Shows the working copy of the slot selected in COMBO3.
void WND4SET_SUB(Context& c);

void BUTTON10_ON(Context& c, int window);
void COMBO3_CHANGE(Context& c, int window);
void BUTTON11_ON(Context& c, int window);
void BUTTON8_ON(Context& c, int window);
void BUTTON9_ON(Context& c, int window);

} // namespace kedravo::ui
