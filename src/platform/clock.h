#pragma once
// The local date and time, behind an interface so that tests and scripts can fix the moment.

namespace kedravo::platform {

struct LocalTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalTime now() = 0;
};

} // namespace kedravo::platform
