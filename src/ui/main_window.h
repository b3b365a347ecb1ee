#pragma once
// The main window's selectors, its enabled states and its handlers.
#include "ui/context.h"

namespace kedravo::ui {

void COMBO1SET_SUB(Context& c);
bool COMBO1GET_SUB(Context& c);
// Fills the time-frame filter COMBO5 for the current page, on "全部".
void COMBO5SET_SUB(Context& c);
// Forces the selling side and the "全部" filter, then enables or disables the choosing controls.
void WND1ENA_SUB(Context& c, bool enable);
// After a secondary window closed: enables the choosing controls once none is open.
void WND1ENA_SUB2(Context& c);
void WND1ENA_SUB3(Context& c, bool enable);
void WND1SET_SUB(Context& c);

void COMBO1_CHANGE(Context& c, int window);
void COMBO5_CHANGE(Context& c, int window);
void RADIO1_ON(Context& c, int window);
void RADIO2_ON(Context& c, int window);

} // namespace kedravo::ui
