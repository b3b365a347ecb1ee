#pragma once
// The local time of a scripted run: the time the script fixes, and until it fixes one, the time of another
// clock (the real one).
#include "platform/clock.h"

#include <optional>

namespace kedravo::platform {

class FixedClock final : public Clock {
public:
    explicit FixedClock(Clock& untilFixed);
    void set(const LocalTime& time);
    LocalTime now() override;

private:
    Clock& untilFixed_;
    std::optional<LocalTime> fixed_;
};

} // namespace kedravo::platform
