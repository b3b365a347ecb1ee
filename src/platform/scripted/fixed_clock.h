#pragma once
// The local time of a scripted run or a test: the time fixed last, and until one is fixed, the time of another
// clock (the real one).
#include "platform/clock.h"

#include <optional>

namespace kedravo::platform {

class FixedClock final : public Clock {
public:
    explicit FixedClock(Clock& untilFixed);
    // Fixed from the start.
    explicit FixedClock(const LocalTime& time);
    void set(const LocalTime& time);
    LocalTime now() override;

private:
    Clock* untilFixed_ = nullptr;
    std::optional<LocalTime> fixed_;
};

} // namespace kedravo::platform
