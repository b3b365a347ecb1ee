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

namespace {

constexpr wchar_t CSV_FILTERS[] = L"CSV (*.csv)\0*.csv\0(*.*)\0*.*\0";

// Only the folder of the data folder question's path is used, so nothing is asked before "overwriting".
constexpr FileDialogKind FOLDER_QUESTION{L"(*.*)\0*.*\0", nullptr, 0, true};
constexpr FileDialogKind CSV_SAVE{CSV_FILTERS, L"csv", OFN_OVERWRITEPROMPT, true};
constexpr FileDialogKind CSV_OPEN{CSV_FILTERS, nullptr, OFN_FILEMUSTEXIST, false};

} // namespace

// The working directory stays where it was.
std::optional<std::string> Win32Dialogs::runFileDialog(int ownerWindow, const std::string& title,
                                                       const std::string& proposedName, const FileDialogKind& kind) {
    std::vector<wchar_t> path(32768, L'\0');
    const std::wstring proposed = widen(proposedName);
    proposed.copy(path.data(), path.size() - 1);
    const std::wstring caption = widen(title);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = ownerWindow < 0 ? nullptr : toolkit_.windowHandle(ownerWindow);
    dialog.lpstrFilter = kind.filters;
    dialog.lpstrDefExt = kind.defaultExtension;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrTitle = caption.c_str();
    dialog.Flags = OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | kind.flags;
    if (!(kind.save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog)))
        return std::nullopt;
    return narrow(path.data());
}

std::optional<std::string> Win32Dialogs::saveAs(int ownerWindow, const std::string& title,
                                                const std::string& proposedName) {
    return runFileDialog(ownerWindow, title, proposedName, FOLDER_QUESTION);
}

std::optional<std::string> Win32Dialogs::saveCsvAs(int ownerWindow, const std::string& title,
                                                   const std::string& proposedName) {
    return runFileDialog(ownerWindow, title, proposedName, CSV_SAVE);
}

std::optional<std::string> Win32Dialogs::openCsv(int ownerWindow, const std::string& title) {
    return runFileDialog(ownerWindow, title, "", CSV_OPEN);
}

} // namespace kedravo::platform::win32
