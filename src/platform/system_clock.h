#pragma once
// The computer's own clock in local time.
#include "platform/clock.h"

namespace kedravo::platform {

class SystemClock : public Clock {
public:
    LocalTime now() override;
};

} // namespace kedravo::platform
