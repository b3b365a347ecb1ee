// kedravo.exe itself: it starts on a data folder, shows its main window, and saves and ends when that is closed.
#include "platform/win32/wide_text.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <windows.h>

namespace kedravo::platform::win32 {
namespace {

namespace fs = std::filesystem;

constexpr wchar_t MAIN_CAPTION[] = L"　ＫＥＤＲＡＶＯ　Ｖ２　メインウインドウ";
constexpr DWORD PATIENCE_MS = 30000;

HWND waitForWindow(const wchar_t* caption) {
    for (DWORD waited = 0; waited < PATIENCE_MS; waited += 100) {
        if (HWND window = FindWindowW(nullptr, caption); window && IsWindowVisible(window))
            return window;
        Sleep(100);
    }
    return nullptr;
}

TEST(Win32Program, StartsOnItsDataFolderAndSavesWhenClosed) {
    const fs::path folder = fs::temp_directory_path() / widen("起動" + std::to_string(GetCurrentProcessId()));
    fs::remove_all(folder);
    fs::create_directories(folder / "data");
    fs::copy_file(fs::path(KEDRAVO_SETUP) / "KANKYO.TXT", folder / "KANKYO.TXT");

    std::wstring command = L"\"" + fs::path(KEDRAVO_PROGRAM).wstring() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                               &process));
    HWND main = waitForWindow(MAIN_CAPTION);
    EXPECT_NE(main, nullptr) << "the main window did not appear";
    if (main)
        PostMessageW(main, WM_CLOSE, 0, 0);
    const bool ended = WaitForSingleObject(process.hProcess, PATIENCE_MS) == WAIT_OBJECT_0;
    if (!ended)
        TerminateProcess(process.hProcess, 1);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    EXPECT_TRUE(ended) << "closing the main window did not end the program";
    EXPECT_EQ(exitCode, 0u);
    EXPECT_TRUE(fs::exists(folder / "data" / widen("価格データ.TXT")));
    EXPECT_GT(fs::file_size(folder / "KANKYO.TXT"), 0u);
    fs::remove_all(folder);
}

} // namespace
} // namespace kedravo::platform::win32
