#include "platform/win32/win32_dialogs.h"

#include "platform/win32/input_box.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_toolkit.h"

#include <commdlg.h>
#include <vector>

namespace kedravo::platform::win32 {

// The box has no owner, yet must not open behind the always-on-top main window.
void Win32Dialogs::STOP_SUB(const std::string& caption, const std::string& text) {
    MessageBoxW(nullptr, widen(text).c_str(), widen(caption).c_str(),
                MB_OK | MB_ICONEXCLAMATION | MB_TOPMOST | MB_SETFOREGROUND);
}

std::string Win32Dialogs::inputBox(int ownerWindow, const std::string& title, const std::string& prompt) {
    return runInputBox(toolkit_.windowHandle(ownerWindow), title, prompt);
}

// Only the folder of the chosen path is used, so nothing is asked before "overwriting", and the working directory
// stays where it was.
std::optional<std::string> Win32Dialogs::saveAs(int ownerWindow, const std::string& title,
                                                const std::string& proposedName) {
    std::vector<wchar_t> path(32768, L'\0');
    const std::wstring proposed = widen(proposedName);
    proposed.copy(path.data(), path.size() - 1);
    const std::wstring caption = widen(title);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = ownerWindow < 0 ? nullptr : toolkit_.windowHandle(ownerWindow);
    dialog.lpstrFilter = L"(*.*)\0*.*\0";
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrTitle = caption.c_str();
    dialog.Flags = OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetSaveFileNameW(&dialog))
        return std::nullopt;
    return narrow(path.data());
}

} // namespace kedravo::platform::win32
