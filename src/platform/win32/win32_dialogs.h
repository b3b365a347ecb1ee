#pragma once
// The system's dialogs on Win32: the warning box (MessageBoxW), the input box (a small modal dialog) and the
// save-as dialog (GetSaveFileNameW).
#include "platform/dialogs.h"

namespace kedravo::platform::win32 {

class Win32Toolkit;

class Win32Dialogs : public Dialogs {
public:
    // The toolkit's windows own the input box and the save-as dialog.
    explicit Win32Dialogs(Win32Toolkit& toolkit) : toolkit_(toolkit) {}

    void STOP_SUB(const std::string& caption, const std::string& text) override;
    std::string inputBox(int ownerWindow, const std::string& title, const std::string& prompt) override;
    std::optional<std::string> saveAs(int ownerWindow, const std::string& title,
                                      const std::string& proposedName) override;

private:
    Win32Toolkit& toolkit_;
};

} // namespace kedravo::platform::win32
