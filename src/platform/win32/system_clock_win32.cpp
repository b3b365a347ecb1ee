#include "platform/system_clock.h"

#include <windows.h>

namespace kedravo::platform {

LocalTime SystemClock::now() {
    SYSTEMTIME local;
    GetLocalTime(&local);
    return {local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond};
}

} // namespace kedravo::platform
