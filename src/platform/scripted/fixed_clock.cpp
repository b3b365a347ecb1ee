#include "platform/scripted/fixed_clock.h"

namespace kedravo::platform {

FixedClock::FixedClock(Clock& untilFixed) : untilFixed_(&untilFixed) {}

FixedClock::FixedClock(const LocalTime& time) : fixed_(time) {}

void FixedClock::set(const LocalTime& time) {
    fixed_ = time;
}

LocalTime FixedClock::now() {
    return fixed_ ? *fixed_ : untilFixed_->now();
}

} // namespace kedravo::platform
