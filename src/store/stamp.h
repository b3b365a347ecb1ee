#pragma once
// Date and time texts as the system writes them, and the time stamp cut from them.
#include "platform/clock.h"
#include "platform/file_system.h"

#include <string>

namespace kedravo::store {

std::string dateText(const platform::LocalTime& time); // "2016/03/01"
std::string timeText(const platform::LocalTime& time); // "09:30:05"
// STAMP of the clock's present moment: "160301_093005".
std::string stampNow(platform::Clock& clock);
// `folder` + `stamp` + `name`, or, when that is taken, the first free one with "(2)", "(3)" ... after the stamp:
// a copy never replaces a file it did not write itself.
std::string freeStampedPath(platform::FileSystem& files, const std::string& folder, const std::string& stamp,
                            const std::string& name);

} // namespace kedravo::store
