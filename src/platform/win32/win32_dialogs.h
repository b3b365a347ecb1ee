#pragma once
// The system's dialogs on Win32: the warning box (MessageBoxW), the input box (a small modal dialog), the save
// dialogs (GetSaveFileNameW) and the open dialog (GetOpenFileNameW).
#include "platform/dialogs.h"

namespace kedravo::platform::win32 {

class Win32Toolkit;

// What tells the file dialogs apart: filters as OPENFILENAMEW takes them, the suffix a bare name gets, the flags.
struct FileDialogKind {
    const wchar_t* filters;
    const wchar_t* defaultExtension;
    unsigned long flags;
    bool save;
};

class Win32Dialogs : public Dialogs {
public:
    // The toolkit's windows own the input box and the save-as dialog.
    explicit Win32Dialogs(Win32Toolkit& toolkit) : toolkit_(toolkit) {}

    void STOP_SUB(const std::string& caption, const std::string& text) override;
    std::string inputBox(int ownerWindow, const std::string& title, const std::string& prompt) override;
    std::optional<std::string> saveAs(int ownerWindow, const std::string& title,
                                      const std::string& proposedName) override;
    std::optional<std::string> saveCsvAs(int ownerWindow, const std::string& title,
                                         const std::string& proposedName) override;
    std::optional<std::string> openCsv(int ownerWindow, const std::string& title) override;

private:
    std::optional<std::string> runFileDialog(int ownerWindow, const std::string& title, const std::string& proposedName,
                                             const FileDialogKind& kind);

    Win32Toolkit& toolkit_;
};

} // namespace kedravo::platform::win32
