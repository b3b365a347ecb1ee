// KEDRAVO V2 on Windows: the whole program on the Win32 toolkit, with its dialogs, the computer's clock and its
// file system.
#include "platform/local_file_system.h"
#include "platform/system_clock.h"
#include "platform/win32/win32_dialogs.h"
#include "platform/win32/win32_toolkit.h"
#include "ui/program.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    using namespace kedravo;
    platform::win32::Win32Toolkit toolkit;
    platform::win32::Win32Dialogs dialogs(toolkit);
    platform::SystemClock clock;
    const std::unique_ptr<platform::FileSystem> files = platform::makeLocalFileSystem();
    ui::Program program({toolkit, dialogs, clock, *files});
    program.startup();
    // Only the program knows when it has ended: at MAINFORM_END, or when start-up gives way.
    MSG message;
    while (!program.ended() && GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (toolkit.navigate(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
