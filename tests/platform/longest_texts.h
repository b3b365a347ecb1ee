#pragma once
// The longest texts the limits allow, for the backends' tests that every one shows whole: a page name of ten
// full-width characters (its box's limit), a time-frame name as wide as a line of the page settings' box (a wider
// one wraps into two names), digits in every byte the date, time and price boxes take.
#include "ui/controls.h"

#include <utility>

namespace kedravo::platform {

inline constexpr const char* LONGEST_PAGE_NAME = "英国通貨対日本円週足";
inline constexpr const char* LONGEST_TIME_FRAME = "長期週足日足";

inline constexpr std::pair<int, const char*> LONGEST_EDIT_TEXTS[] = {
    {ui::EDIT6, LONGEST_PAGE_NAME}, {ui::EDIT3, "1234567890"}, {ui::EDIT4, "123456789"}, {ui::EDIT5, "12345678901234"}};

inline constexpr std::pair<int, const char*> LONGEST_ITEMS[] = {{ui::COMBO1, LONGEST_PAGE_NAME},
                                                                {ui::COMBO5, LONGEST_TIME_FRAME},
                                                                {ui::COMBO2, LONGEST_TIME_FRAME},
                                                                {ui::COMBO6, LONGEST_TIME_FRAME},
                                                                {ui::COMBO7, LONGEST_TIME_FRAME}};

} // namespace kedravo::platform
