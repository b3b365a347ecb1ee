#include "store/stamp.h"

#include "store/data_files.h"

#include <cstdio>

namespace kedravo::store {
namespace {

std::string twoDigitGroups(const char* format, int a, int b, int c) {
    char text[32];
    std::snprintf(text, sizeof text, format, a, b, c);
    return text;
}

// MID$: up to `count` characters from the 1-based position `start`, fewer where the text ends.
std::string mid(const std::string& text, std::size_t start, std::size_t count) {
    return start - 1 < text.size() ? text.substr(start - 1, count) : std::string();
}

} // namespace

std::string dateText(const platform::LocalTime& time) {
    return twoDigitGroups("%04d/%02d/%02d", time.year, time.month, time.day);
}

std::string timeText(const platform::LocalTime& time) {
    return twoDigitGroups("%02d:%02d:%02d", time.hour, time.minute, time.second);
}

std::string STAMP(const std::string& date, const std::string& time) {
    std::string both = date + "_" + time;
    return mid(both, 3, 2) + mid(both, 6, 2) + mid(both, 9, 2) + "_" + mid(both, 12, 2) + mid(both, 15, 2) +
           mid(both, 18, 2);
}

std::string stampNow(platform::Clock& clock) {
    platform::LocalTime now = clock.now();
    return STAMP(dateText(now), timeText(now));
}

std::string freeStampedPath(platform::FileSystem& files, const std::string& folder, const std::string& stamp,
                            const std::string& name) {
    std::string path = folder + stamp + name;
    for (int n = 2; files.exists(path); ++n)
        path = folder + stamp + "(" + std::to_string(n) + ")" + name;
    return path;
}

} // namespace kedravo::store
