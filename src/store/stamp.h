#pragma once
// Date and time texts as the system writes them, and the time stamp cut from them.
#include "platform/clock.h"

#include <string>

namespace kedravo::store {

std::string dateText(const platform::LocalTime& time); // "2016/03/01"
std::string timeText(const platform::LocalTime& time); // "09:30:05"
// STAMP of the clock's present moment: "160301_093005".
std::string stampNow(platform::Clock& clock);

} // namespace kedravo::store
