#include "platform/win32/message_pump.h"

#include <windows.h>

namespace kedravo::platform::win32 {

void pumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

} // namespace kedravo::platform::win32
