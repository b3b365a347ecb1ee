#pragma once
// How the ten page slots are named on screen: the items of COMBO3 and the name a page gets when none is typed.
#include <string>

namespace kedravo::ui {

// Slot n (1 to 10) as COMBO3 lists it: "　１ページ" … "１０ページ", a full-width blank before one digit.
std::string slotItem(int n);

// The name given to slot n (1 to 10) registered without one: "１ページ" … "１０ページ", no leading blank.
std::string defaultPageName(int n);

} // namespace kedravo::ui
